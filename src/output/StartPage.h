// The browser start page switch behind the menu "Startseite": makes the link page the start
// page of Internet Explorer, Firefox or Opera, or puts back the page the browser had before.
#pragma once

#include <string>

struct AppPaths;
struct PageState;

enum class StartPageBrowser { InternetExplorer = 0, Firefox = 1, Opera = 2 };

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

struct StartPageSwitch {
    bool marked = false;             // the browser's check mark afterwards
    const char* message = nullptr;   // set when nothing was changed, saying why
};

// Switches the browser whose check mark is `marked`: without the mark the link page becomes
// its start page, with the mark the saved start page comes back. The first start page found
// is kept in the settings file; the page file records the new state.
StartPageSwitch SwitchStartPage(StartPageBrowser browser, const AppPaths& paths, const PageState& page, bool marked);

// The link page's address: "file://" and the absolute path of its index.html, spaces as %20
// and "%", "#", "?" encoded; for Opera "file://localhost" and the path.
std::string LinkPageAddress(const PageState& page, bool forOpera);

// Opera's settings file below the application data folder.
std::string OperaSettingsFile(const AppPaths& paths);

// The text with every character that Windows-1252 cannot hold (and every malformed UTF-8 byte)
// written as its UTF-8 bytes in %XX form, so that an address survives the system's INI files
// and a browser still reads the same address.
std::string PercentEncodeBeyondCp1252(const std::string& text);
