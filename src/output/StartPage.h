// The browser start page switch behind the menu "Startseite": makes the link page the start
// page of Internet Explorer, Firefox or Opera, or puts back the page the browser had before.
#pragma once

#include "common/BrowserProfiles.h"

#include <optional>
#include <string>
#include <vector>

struct AppPaths;
struct PageState;

enum class StartPageBrowser {
    InternetExplorer = 0, Firefox = 1, Opera = 2,
    // The Chromium family, in the order of kChromiumBrowsers.
    Chrome = 3, Chromium, Brave, Edge, Vivaldi, OperaNew,
};
inline constexpr int kStartPageBrowserCount = 9;

// The Chromium-family browser behind the menu item; nullopt for the first three.
std::optional<BrowserKind> ChromiumKindOf(StartPageBrowser browser);

// Shown (as information) when a browser or its start page setting is not found.
inline constexpr const char* kNoInternetExplorerMessage =
    "Entweder kein Internet Explorer installiert oder nicht unterstützte Version.  ";
inline constexpr const char* kNoFirefoxMessage = "Entweder kein FireFox installiert oder nicht unterstützte Version.  ";
inline constexpr const char* kNoOperaMessage = "Entweder kein Opera installiert oder nicht unterstützte Version.  ";
// Shown when a Firefox runs with one of the profiles: it would write its old start page back.
inline constexpr const char* kFirefoxRunningMessage =
    "Bitte FireFox zuerst beenden, sonst überschreibt FireFox die neue Startseite beim Beenden.  ";

// Where Internet Explorer keeps its start page in the registry (current user).
inline constexpr const char* kInternetExplorerKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char* kInternetExplorerValue = "Start Page";

// Shown for a profile whose start page a file sets at every start of Firefox; «Datei» is that file.
inline constexpr const char* kFirefoxFixedMessage =
    "Die Startseite von FireFox ist in «Datei» festgelegt; dieses Profil bleibt unverändert.  ";
// The Chromium family; «Browser» is the browser's name, «Datei» a profile's Preferences.
inline constexpr const char* kNoChromiumMessage = "Entweder kein «Browser» installiert oder nicht unterstützte Version.  ";
inline constexpr const char* kChromiumRunningMessage =
    "Bitte «Browser» zuerst beenden, sonst überschreibt «Browser» die neue Startseite beim Beenden.  ";
inline constexpr const char* kChromiumUnreadableMessage =
    "Die Einstellungen von «Browser» in «Datei» sind nicht lesbar und bleiben unverändert.  ";
// Shown when a profile's settings are too long to be kept as backup: nothing is switched.
inline constexpr const char* kBackupTooLongMessage =
    "Die bisherigen Einstellungen von «Browser» in «Datei» sind zu lang zum Sichern; es wurde nichts geändert.  ";

struct StartPageSwitch {
    bool marked = false;                // the browser's check mark afterwards
    std::vector<std::string> messages;  // information for the user, one box each
};

// Where the switch looks for the browsers' settings.
struct BrowserPlaces {
    UserFolders user;
    std::vector<std::string> firefoxPolicyFiles;
};
BrowserPlaces CurrentBrowserPlaces();

// Switches the browser whose check mark is `marked`: without the mark the link page becomes
// its start page, with the mark the saved start page comes back. Each profile's settings are
// kept once in the settings file, the first Firefox profile's start page also as HomeFF; the
// page file records the new state.
StartPageSwitch SwitchStartPage(StartPageBrowser browser, const AppPaths& paths, const PageState& page, bool marked);
StartPageSwitch SwitchStartPage(StartPageBrowser browser, const AppPaths& paths, const PageState& page, bool marked,
                                const BrowserPlaces& places);

// True when the address (as a browser setting spells it) points into this program's pages
// folder: one of its link pages, never kept as a backup.
bool IsLinkPageAddress(const std::string& address, const AppPaths& paths);

// The message with «Datei» (and «Browser») filled in.
std::string FillMessage(const char* message, const std::string& file, const std::string& browser = "");

// The link page's address: "file://" and the absolute path of its index.html, spaces as %20
// and "%", "#", "?" encoded; for Opera "file://localhost" and the path.
std::string LinkPageAddress(const PageState& page, bool forOpera);

// Opera's settings file below the application data folder.
std::string OperaSettingsFile(const AppPaths& paths);

// The text with every character that Windows-1252 cannot hold (and every malformed UTF-8 byte)
// written as its UTF-8 bytes in %XX form, so that an address survives the system's INI files
// and a browser still reads the same address.
std::string PercentEncodeBeyondCp1252(const std::string& text);
