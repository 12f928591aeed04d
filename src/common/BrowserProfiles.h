// The browser profiles of this user: which browser, a name to show, and the profile folder.
// Firefox's are found below its profile roots and through their profiles.ini, the Chromium
// family's in their user data folders.
#pragma once

#include <string>
#include <vector>

enum class BrowserKind { Firefox, Chrome, Chromium, Brave, Edge, Vivaldi, OperaNew };

struct BrowserProfile {
    BrowserKind browser = BrowserKind::Firefox;
    std::string displayName;  // browser and profile name: "Firefox – default-release"
    std::string folder;       // the profile folder as found, ending in "/"
};

// The folders the profiles are looked for in; each ends in "/".
struct UserFolders {
    std::string home;        // the user's home folder
    std::string configHome;  // $XDG_CONFIG_HOME, else home + ".config/"
    std::string appData;     // Windows: the roaming application data folder
};

// The folders of the user running this program.
UserFolders CurrentUserFolders();

// Firefox's profile roots in search order: the usual home, its snap and flatpak homes, then
// the XDG roots of newer Firefox releases and their snap and flatpak counterparts.
std::vector<std::string> FirefoxProfileRoots(const UserFolders& folders);

// Every Firefox profile (a folder holding prefs.js): first those a search of the roots finds,
// root by root, then those named only in a root's profiles.ini, each once.
std::vector<BrowserProfile> ListFirefoxProfiles(const UserFolders& folders);

// Every browser profile of the user, browser by browser.
std::vector<BrowserProfile> ListBrowserProfiles(const UserFolders& folders);
