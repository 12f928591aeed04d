#include "common/SystemFolders.h"

#include "common/AppPaths.h"
#include "common/FileIo.h"
#include "common/FileList.h"
#include "common/Files.h"
#include "common/Registry.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::function<void()>& PendingEvents()
{
    static std::function<void()> handler;
    return handler;
}

std::string EnvFolder(const char* variable, const std::string& fallback)
{
    std::string folder;
    if (const char* v = std::getenv(variable); v && *v) folder = v;
    else folder = fallback;
    return AddBackslash(folder);
}

void SearchFolder(const std::string& folder, const std::string& pattern, std::vector<std::string>& results)
{
    if (PendingEvents()) PendingEvents()();
    std::vector<std::string> subFolders;
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const std::string name = Utf8FromPath(it->path().filename());
        if (it->is_directory(typeError) && !it->is_symlink(typeError)) subFolders.push_back(name);
        else if (it->is_regular_file(typeError) && MatchesFilePattern(name, pattern)) files.push_back(name);
    }
    std::sort(subFolders.begin(), subFolders.end(), FileNameLess);
    std::sort(files.begin(), files.end(), FileNameLess);
    for (auto sub = subFolders.rbegin(); sub != subFolders.rend(); ++sub)
        SearchFolder(folder + *sub + "/", pattern, results);
    for (const std::string& file : files) results.push_back(folder + file);
}

} // namespace

std::string HomeFolder()
{
    std::string home;
    if (const char* h = std::getenv("HOME"); h && *h) home = h;
    else if (const char* p = std::getenv("USERPROFILE"); p && *p) home = p;
    return AddBackslash(home);
}

std::string WindowsFolder()
{
#ifdef _WIN32
    return EnvFolder("SystemRoot", "C:\\Windows");
#else
    return "/etc/";  // where system-wide settings live here
#endif
}

std::string SystemFolder()
{
#ifdef _WIN32
    return WindowsFolder() + "System32/";
#else
    return "/usr/lib/";
#endif
}

std::string TempFolder()
{
    std::error_code ec;
    std::string folder = Utf8FromPath(fs::temp_directory_path(ec));
    if (ec) folder = "/tmp";
    return AddBackslash(folder);
}

std::string SpecialFolder(int id)
{
    const std::string home = HomeFolder();
    const std::string data = EnvFolder("XDG_DATA_HOME", home + ".local/share");
    switch (id) {
    case kFolderDesktop: return home + "Desktop/";
    case kFolderDocuments: return home + "Documents/";
    case kFolderFavourites: return data + "favourites/";
    case kFolderStartUp: return UserConfigFolder() + "autostart/";
    case kFolderStartMenu: return data + "applications/";
    case kFolderFonts: return data + "fonts/";
    case kFolderSendTo: return data + "sendto/";
    case kFolderInternetCache: return EnvFolder("XDG_CACHE_HOME", home + ".cache");
    case kFolderProgramFiles: return "/opt/";
    default: return "/";
    }
}

std::string QuickLaunchFolder(AppPaths& paths)
{
    std::string appData = RegReadStringTrimmed(RegRoot::CurrentUser,
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData");
    if (appData.empty()) appData = UserConfigFolder();
    AddBackslash(appData);
    paths.AppDataFolder = appData;
    return appData + "Microsoft/Internet Explorer/Quick Launch/";
}

void InitFileHandling(AppPaths& paths)
{
    QuickLaunchFolder(paths);
}

void SetPendingEventsHandler(std::function<void()> handler) { PendingEvents() = std::move(handler); }

std::vector<std::string> FindFiles(std::string& folder, const std::string& pattern)
{
    std::vector<std::string> results;
    AddBackslash(folder);
    if (folder.empty()) return results;
    SearchFolder(folder, pattern.empty() ? "*.*" : pattern, results);
    return results;
}
