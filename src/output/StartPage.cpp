#include "output/StartPage.h"

#include "common/AppPaths.h"
#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "common/Registry.h"
#include "document/PageFile.h"
#include "output/FirefoxPrefs.h"
#include "output/ChromiumStartPage.h"
#include "output/FirefoxStartPage.h"
#include "common/ChromiumProfiles.h"

#include <functional>
#include <vector>

namespace {

constexpr const char* kBackupSection = "Backup";
constexpr const char* kMarkSection = "StartPage";

std::string FileUrl(const std::string& path, bool forOpera)
{
    std::string url = forOpera ? "file://localhost" : "file://";
    if (!path.starts_with('/')) url += '/';  // a drive letter comes after a third slash
    // A "%", "#" or "?" in a folder or page name would end the path of the address early.
    for (const char c : path) {
        if (c == '%') url += "%25";
        else if (c == '#') url += "%23";
        else if (c == '?') url += "%3F";
        else url += c;
    }
    return SpacesToPercent20(url);
}

// How one browser's start page is written, and under which keys its backup and mark are kept.
struct BrowserSetting {
    const char* backupKey;
    const char* markKey;
    std::string linkAddress;  // spelt as the browser's setting holds it
    std::function<void(const std::string&)> write;
};

// Keeps the start page found as backup while none is kept, inverts the mark, and writes the
// link page or the backup into the browser. An empty backup is never written: the browser
// keeps what it has instead of losing its start page.
StartPageSwitch Switch(const AppPaths& paths, const PageState& page, bool marked, const std::string& backup,
                       const std::string& current, const BrowserSetting& setting)
{
    if (backup.empty() && !IsLinkPageAddress(current, paths))
        WriteIni(kBackupSection, setting.backupKey, PercentEncodeBeyondCp1252(current), paths.SettingsFile);
    const bool nowMarked = !marked;
    const std::string next = nowMarked ? setting.linkAddress : backup;
    if (!next.empty()) setting.write(next);
    WriteIni(kMarkSection, setting.markKey, nowMarked ? "1" : "0", page.PageFile);
    return {nowMarked, {}};
}

std::string ReadBackup(const AppPaths& paths, const char* key) { return ReadIni(kBackupSection, key, paths.SettingsFile); }

StartPageSwitch SwitchInternetExplorer(const AppPaths& paths, const PageState& page, bool marked)
{
    const std::string backup = ReadBackup(paths, "HomeIE");
    const std::string current = RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue);
    if (current.empty()) return {marked, {kNoInternetExplorerMessage}};
    // The registry of this platform is an INI file in Windows-1252.
    return Switch(paths, page, marked, backup, current,
                  {"HomeIE", "IE", PercentEncodeBeyondCp1252(LinkPageAddress(page, false)), [](const std::string& address) {
                       RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, address);
                   }});
}

StartPageSwitch SwitchOpera(const AppPaths& paths, const PageState& page, bool marked)
{
    const std::string settings = OperaSettingsFile(paths);
    const std::string backup = ReadBackup(paths, "HomeOpera");
    const std::string current = ReadIni("User Prefs", "Home URL", settings);
    if (current.empty()) return {marked, {kNoOperaMessage}};
    return Switch(paths, page, marked, backup, current,
                  {"HomeOpera", "OP", PercentEncodeBeyondCp1252(LinkPageAddress(page, true)),
                   [&settings](const std::string& address) { WriteIni("User Prefs", "Home URL", address, settings); }});
}

// The length of the UTF-8 sequence at `pos`: its lead byte's count where the continuation
// bytes are there, else 1.
std::size_t SequenceLength(const std::string& text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t wanted = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t length = 1;
    while (length < wanted && pos + length < text.size() &&
           (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80)
        ++length;
    return length == wanted ? length : 1;
}

} // namespace

bool IsLinkPageAddress(const std::string& address, const AppPaths& paths)
{
    if (paths.PagesFolder.empty()) return false;
    for (const bool forOpera : {false, true}) {
        const std::string prefix = FileUrl(paths.PagesFolder, forOpera);
        for (const std::string& form : {prefix, PercentEncodeBeyondCp1252(prefix), PrefsString(prefix)}) {
            if (address.starts_with(form)) return true;
        }
    }
    return false;
}

std::string FillMessage(const char* message, const std::string& file, const std::string& browser)
{
    std::string text = message;
    for (const auto& [field, value] : {std::pair<std::string, const std::string&>{"«Datei»", file},
                                       std::pair<std::string, const std::string&>{"«Browser»", browser}}) {
        for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size()))
            text.replace(at, field.size(), value);
    }
    return text;
}

std::optional<BrowserKind> ChromiumKindOf(StartPageBrowser browser)
{
    const int index = static_cast<int>(browser) - static_cast<int>(StartPageBrowser::Chrome);
    if (index < 0 || index >= static_cast<int>(kChromiumBrowsers.size())) return std::nullopt;
    return kChromiumBrowsers[static_cast<std::size_t>(index)].kind;
}

BrowserPlaces CurrentBrowserPlaces() { return {CurrentUserFolders(), FirefoxPolicyFiles()}; }

std::string LinkPageAddress(const PageState& page, bool forOpera)
{
    return FileUrl(page.PageFolder + "index.html", forOpera);
}

std::string OperaSettingsFile(const AppPaths& paths) { return paths.AppDataFolder + "Opera/Opera/profile/opera6.ini"; }

std::string PercentEncodeBeyondCp1252(const std::string& text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = SequenceLength(text, pos);
        const std::string sequence = text.substr(pos, length);
        if (static_cast<unsigned char>(sequence[0]) < 0x80 || Utf8ToCp1252(sequence) != "?") {
            result += sequence;
        } else {
            for (const char byte : sequence) {
                const auto b = static_cast<unsigned char>(byte);
                result += '%';
                result += kHex[b >> 4];
                result += kHex[b & 0x0F];
            }
        }
        pos += length;
    }
    return result;
}

StartPageSwitch SwitchStartPage(StartPageBrowser browser, const AppPaths& paths, const PageState& page, bool marked)
{
    return SwitchStartPage(browser, paths, page, marked, CurrentBrowserPlaces());
}

StartPageSwitch SwitchStartPage(StartPageBrowser browser, const AppPaths& paths, const PageState& page, bool marked,
                                const BrowserPlaces& places)
{
    switch (browser) {
    case StartPageBrowser::InternetExplorer: return SwitchInternetExplorer(paths, page, marked);
    case StartPageBrowser::Firefox: return SwitchFirefoxStartPage(paths, page, marked, places);
    case StartPageBrowser::Opera: return SwitchOpera(paths, page, marked);
    default: break;
    }
    if (const std::optional<BrowserKind> kind = ChromiumKindOf(browser))
        return SwitchChromiumStartPage(*kind, paths, page, marked, places);
    return {marked, {}};
}
