#include "common/AppPaths.h"

#include "common/FileIo.h"
#include "common/Files.h"

#include <cctype>
#include <filesystem>
#include <vector>

void InitAppPaths(AppPaths& paths, const std::string& programFile)
{
    const std::filesystem::path program = FsPath(programFile);
    paths.ProgramFolder = Utf8FromPath(program.parent_path());
    AddBackslash(paths.ProgramFolder);
    // Only a real ".exe" ending is the program file's extension: "Links-1.2" keeps its ".2".
    std::string name = Utf8FromPath(program.filename());
    std::string ending = name.size() > 4 ? name.substr(name.size() - 4) : std::string();
    for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ending == ".exe") name.resize(name.size() - 4);
    paths.ProgramName = name;
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

void RemoveLeftoverTempFiles(const AppPaths& paths)
{
    std::vector<std::string> folders = {ParentFolder(paths.SettingsFile), paths.PageFilesFolder,
                                        paths.LibraryFolder, paths.BannerFolder, paths.FormsFolder, paths.BackFolder};
    std::error_code ec;
    for (std::filesystem::directory_iterator it(FsPath(paths.PagesFolder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_directory(typeError)) continue;
        const std::string pageFolder = Utf8FromPath(it->path()) + "/";
        folders.push_back(pageFolder);
        folders.push_back(pageFolder + "images/");
    }
    for (const std::string& folder : folders) {
        if (!folder.empty()) RemoveStaleTempFiles(folder);
    }
}
