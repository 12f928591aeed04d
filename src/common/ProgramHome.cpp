#include "common/ProgramHome.h"

#include "common/FileIo.h"
#include "common/Files.h"
#include "common/Ini.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Copies the files below `from` that are missing below `to`, keeping the sub-folders. A copy is
// written whole or not at all, and writable, even where the templates are read-only.
void CopyMissingFiles(const std::string& from, const std::string& to)
{
    std::error_code ec;
    const std::filesystem::path source = FsPath(from);
    for (std::filesystem::recursive_directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::filesystem::path relative = it->path().lexically_relative(source);
        const std::filesystem::path target = FsPath(to) / relative;
        // symlink_status: a dangling link of the user's is the user's file too.
        if (std::filesystem::symlink_status(target, typeError).type() != std::filesystem::file_type::not_found)
            continue;
        std::string folder = Utf8FromPath(target.parent_path());
        if (!MakePath(folder)) continue;
        if (const auto bytes = ReadWholeFile(Utf8FromPath(it->path())))
            WriteFileAtomically(Utf8FromPath(target), *bytes);
    }
}

} // namespace

std::string UserDataHome(const std::string& xdgDataHome, const std::string& home)
{
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules ask.
    std::string folder;
    if (!xdgDataHome.empty() && FsPath(xdgDataHome).is_absolute()) folder = xdgDataHome;
    else if (!home.empty()) folder = home + "/.local/share";
    return AddBackslash(folder);
}

std::string UserDataHome()
{
    std::string home = Environment("HOME");
#ifdef _WIN32
    if (home.empty()) home = Environment("USERPROFILE");
#endif
    return UserDataHome(Environment("XDG_DATA_HOME"), home);
}

ProgramHome FindProgramHome(const std::string& programFile, const std::string& dataHome)
{
    ProgramHome result;
    result.programFile = programFile;
    result.programFolder = ParentFolder(programFile);
    const std::filesystem::path program = FsPath(programFile);
    const std::string templates = Utf8FromPath(program.parent_path()) + "/../share/pinwall";
    // Without a data home there is nowhere else to go: the program stays beside itself.
    if (dataHome.empty() || !DirExists(templates)) return result;
    result.installed = true;
    result.templatesFolder = ExpandPathName(templates);
    AddBackslash(result.templatesFolder);
    result.programFolder = dataHome + "Pinwall/";
    result.programFile = result.programFolder + Utf8FromPath(program.filename());
    return result;
}

ProgramHome FindProgramHome(const std::string& programFile)
{
    return FindProgramHome(programFile, UserDataHome());
}

ProgramHome FindLibraryEditorHome(const std::string& programFile, const std::string& dataHome)
{
    ProgramHome home = FindProgramHome(programFile, dataHome);
    if (home.installed) home.programFile = home.programFolder + "Library/" + Utf8FromPath(FsPath(programFile).filename());
    return home;
}

ProgramHome FindLibraryEditorHome(const std::string& programFile)
{
    return FindLibraryEditorHome(programFile, UserDataHome());
}

bool LayOutProgramFolder(const ProgramHome& home)
{
    if (!home.installed) return true;
    std::string folder = home.programFolder;
    if (!MakePath(folder)) return false;
    for (const char* name : {"Pinwall/", "Library/", "PnwFiles/", "Banner/", "Forms/", "Back/"}) {
        std::string path = folder + name;
        MakePath(path);
    }
    for (const char* name : {"Back/", "Forms/", "Banner/"})
        CopyMissingFiles(home.templatesFolder + name, folder + name);

    // Only a first start gets the samples: an entry or page the user deleted stays deleted.
    const std::string settings = folder + kBuilderSettingsName;
    if (!FileExists(settings)) {
        for (const char* name : {"Library/", "PnwFiles/"})
            CopyMissingFiles(home.templatesFolder + name, folder + name);
        if (FileExists(folder + "PnwFiles/" + kSamplePageName + ".pnw"))
            WriteIni("PinwallEdit", "LastEdit", kSamplePageName, settings);
    }
    return true;
}
