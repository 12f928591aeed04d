// The Chromium-family browsers of this user: where each keeps its user data folders and which
// profiles a user data folder holds.
#pragma once

#include "common/BrowserProfiles.h"

#include <array>
#include <string>
#include <vector>

struct ChromiumBrowser {
    BrowserKind kind;
    const char* key;   // in the page file's marks and the profile backups
    const char* name;  // as the user knows it
};

inline constexpr std::array<ChromiumBrowser, 6> kChromiumBrowsers = {{
    {BrowserKind::Chrome, "Chrome", "Google Chrome"},
    {BrowserKind::Chromium, "Chromium", "Chromium"},
    {BrowserKind::Brave, "Brave", "Brave"},
    {BrowserKind::Edge, "Edge", "Microsoft Edge"},
    {BrowserKind::Vivaldi, "Vivaldi", "Vivaldi"},
    {BrowserKind::OperaNew, "OperaNew", "Opera"},
}};

const ChromiumBrowser& ChromiumBrowserOf(BrowserKind kind);

struct UserDataFolder {
    std::string folder;  // ends in "/"
    bool flatpak = false;
};

// The browser's user data folders that exist, the usual ones first, then the snap and flatpak
// homes.
std::vector<UserDataFolder> ChromiumUserDataFolders(BrowserKind kind, const UserFolders& folders);

// The profiles of the browser: in each user data folder those its Local State lists, or where it
// has no readable Local State the folders Default and Profile N; only folders that hold a
// Preferences file. Opera's user data folder is itself its profile.
std::vector<BrowserProfile> ListChromiumProfiles(BrowserKind kind, const UserFolders& folders);
