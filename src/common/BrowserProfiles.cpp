#include "common/BrowserProfiles.h"

#include "common/ChromiumProfiles.h"
#include "common/FileIo.h"
#include "common/Files.h"
#include "common/IniLines.h"
#include "common/Registry.h"
#include "common/SystemFolders.h"

#include <cstdlib>
#include <optional>

namespace {

// A profile as a profiles.ini names it.
struct IniProfile {
    std::string name;
    std::string folder;  // ends in "/"
};

bool IsAbsolutePath(const std::string& path)
{
    return path.starts_with('/') || path.starts_with('\\') || (path.size() > 1 && path[1] == ':');
}

// The [Profile…] sections of the root's profiles.ini, in file order, with their folders.
std::vector<IniProfile> ProfilesInIni(const std::string& root)
{
    const std::optional<std::string> bytes = ReadWholeFile(root + "profiles.ini");
    if (!bytes) return {};
    std::vector<IniProfile> profiles;
    bool inProfile = false;
    std::string name, path, relative;
    const auto flush = [&] {
        if (inProfile && !path.empty()) {
            const bool isRelative = relative.empty() ? !IsAbsolutePath(path) : relative != "0";
            std::string folder = isRelative ? root + path : path;
            profiles.push_back({name, AddBackslash(folder)});
        }
        name.clear(), path.clear(), relative.clear();
    };
    for (const IniLine& line : ScanIniLines(*bytes)) {
        if (line.kind == IniLineKind::Section) {
            flush();
            inProfile = IniFoldCase(line.name).starts_with("PROFILE");
        } else if (line.kind == IniLineKind::Key && inProfile) {
            const std::string value(UnquoteIniValue(line.value));
            if (IniNamesEqual(line.name, "Name")) name = value;
            else if (IniNamesEqual(line.name, "Path")) path = value;
            else if (IniNamesEqual(line.name, "IsRelative")) relative = value;
        }
    }
    flush();
    return profiles;
}

// The folder as one file system object, so that two spellings of it count once.
std::string SameFolderKey(const std::string& folder) { return ExpandPathName(folder); }

// Firefox names a profile folder "«salt».«profile name»".
std::string NameFromFolder(const std::string& folder)
{
    std::string base = folder.substr(0, folder.size() - 1);
    base = base.substr(base.find_last_of('/') + 1);
    const std::size_t dot = base.find('.');
    return dot == std::string::npos || dot + 1 == base.size() ? base : base.substr(dot + 1);
}

BrowserProfile FirefoxProfile(const std::string& name, const std::string& folder)
{
    return {BrowserKind::Firefox, "Firefox – " + name, folder};
}

} // namespace

UserFolders CurrentUserFolders()
{
    UserFolders folders;
    folders.home = HomeFolder();
    folders.configHome = UserConfigFolder();
    if (const char* appData = std::getenv("APPDATA"); appData && *appData) {
        folders.appData = appData;
        AddBackslash(folders.appData);
    }
    return folders;
}

std::vector<std::string> FirefoxProfileRoots(const UserFolders& folders)
{
#ifdef _WIN32
    if (folders.appData.empty()) return {};
    return {folders.appData + "Mozilla/Firefox/"};
#else
    const std::string& home = folders.home;
    if (home.empty()) return {};
    const std::string config = folders.configHome.empty() ? home + ".config/" : folders.configHome;
    return {home + ".mozilla/firefox/",
            home + "snap/firefox/common/.mozilla/firefox/",
            home + ".var/app/org.mozilla.firefox/.mozilla/firefox/",
            config + "mozilla/firefox/",
            home + "snap/firefox/common/.config/mozilla/firefox/",
            home + ".var/app/org.mozilla.firefox/config/mozilla/firefox/",
            home + ".var/app/org.mozilla.firefox/.config/mozilla/firefox/"};
#endif
}

std::vector<BrowserProfile> ListFirefoxProfiles(const UserFolders& folders)
{
    const std::vector<std::string> roots = FirefoxProfileRoots(folders);
    std::vector<std::pair<std::string, IniProfile>> named;  // same-folder key, profile
    for (const std::string& root : roots) {
        for (IniProfile& profile : ProfilesInIni(root)) {
            std::string key = SameFolderKey(profile.folder);
            named.emplace_back(std::move(key), std::move(profile));
        }
    }

    std::vector<BrowserProfile> profiles;
    std::vector<std::string> seen;
    const auto isNew = [&seen](const std::string& key) {
        for (const std::string& s : seen)
            if (s == key) return false;
        seen.push_back(key);
        return true;
    };
    for (std::string root : roots) {
        for (const std::string& prefs : FindFiles(root, "prefs.js")) {
            const std::string folder = ParentFolder(prefs);
            const std::string key = SameFolderKey(folder);
            if (!isNew(key)) continue;
            std::string name = NameFromFolder(folder);
            for (const auto& [namedKey, profile] : named)
                if (namedKey == key && !profile.name.empty()) { name = profile.name; break; }
            profiles.push_back(FirefoxProfile(name, folder));
        }
    }
    for (const auto& [key, profile] : named) {
        if (!FileExists(profile.folder + "prefs.js") || !isNew(key)) continue;
        profiles.push_back(FirefoxProfile(profile.name.empty() ? NameFromFolder(profile.folder) : profile.name,
                                          profile.folder));
    }
    return profiles;
}

std::vector<BrowserProfile> ListBrowserProfiles(const UserFolders& folders)
{
    std::vector<BrowserProfile> profiles = ListFirefoxProfiles(folders);
    for (const ChromiumBrowser& browser : kChromiumBrowsers) {
        std::vector<BrowserProfile> more = ListChromiumProfiles(browser.kind, folders);
        profiles.insert(profiles.end(), more.begin(), more.end());
    }
    return profiles;
}
