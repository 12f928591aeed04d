#include "common/AppPaths.h"

#include "common/FileIo.h"
#include "common/Files.h"

void InitAppPaths(AppPaths& paths, const std::string& programFile)
{
    const std::filesystem::path program = FsPath(programFile);
    paths.ProgramFolder = Utf8FromPath(program.parent_path());
    AddBackslash(paths.ProgramFolder);
    paths.ProgramName = Utf8FromPath(program.stem());
}

void InitFolders(AppPaths& paths)
{
    paths.Title = kProgramTitle;
    // The settings file is the program file's path with "ini" for its extension: the program
    // file is named as on Windows and its last three characters replaced.
    std::string settings = ExpandPathName(paths.ProgramFolder + paths.ProgramName + ".exe");
    settings.replace(settings.size() - 3, 3, "ini");
    paths.SettingsFile = settings;

    paths.PagesFolder = paths.ProgramFolder + "Pinwall/";
    paths.LibraryFolder = paths.ProgramFolder + "Library/";
    paths.PageFilesFolder = paths.ProgramFolder + "PnwFiles/";
    paths.BannerFolder = paths.ProgramFolder + "Banner/";
    paths.FormsFolder = paths.ProgramFolder + "Forms/";
    paths.BackFolder = paths.ProgramFolder + "Back/";
    paths.BannersFile = paths.BannerFolder + "Banners.txt";

    for (std::string* folder : {&paths.PagesFolder, &paths.PageFilesFolder, &paths.BannerFolder, &paths.FormsFolder}) {
        std::string path = *folder;
        MakePath(path);
    }
}
