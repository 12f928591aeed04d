#include "output/StartPage.h"

#include "common/AppPaths.h"
#include "common/CodePage.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "common/Registry.h"
#include "document/PageFile.h"
#include "output/FirefoxPrefs.h"

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

// An address inside this program's pages folder is one of its link pages. Kept as a backup it
// would replace the user's own start page for good, since the backup is written only once.
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
    return {nowMarked, nullptr};
}

std::string ReadBackup(const AppPaths& paths, const char* key) { return ReadIni(kBackupSection, key, paths.SettingsFile); }

StartPageSwitch SwitchInternetExplorer(const AppPaths& paths, const PageState& page, bool marked)
{
    const std::string backup = ReadBackup(paths, "HomeIE");
    const std::string current = RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue);
    if (current.empty()) return {marked, kNoInternetExplorerMessage};
    // The registry of this platform is an INI file in Windows-1252.
    return Switch(paths, page, marked, backup, current,
                  {"HomeIE", "IE", PercentEncodeBeyondCp1252(LinkPageAddress(page, false)), [](const std::string& address) {
                       RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, address);
                   }});
}

StartPageSwitch SwitchFirefox(const AppPaths& paths, const PageState& page, bool marked)
{
    const std::string backup = ReadBackup(paths, "HomeFF");
    const std::vector<std::string> files = FindFirefoxPrefs(paths);
    std::string current;
    if (!files.empty()) {
        if (const std::optional<std::string> bytes = ReadWholeFile(files.front())) current = HomepageInPrefs(*bytes);
    }
    if (current.empty()) return {marked, kNoFirefoxMessage};
    // A running Firefox writes its preferences back when it ends and would undo the switch.
    for (const std::string& file : files) {
        if (FirefoxProfileInUse(file)) return {marked, kFirefoxRunningMessage};
    }
    return Switch(paths, page, marked, backup, current,
                  {"HomeFF", "FF", PrefsString(LinkPageAddress(page, false)), [&files](const std::string& address) {
                       for (const std::string& file : files) SetHomepageInPrefsFile(file, address);
                   }});
}

StartPageSwitch SwitchOpera(const AppPaths& paths, const PageState& page, bool marked)
{
    const std::string settings = OperaSettingsFile(paths);
    const std::string backup = ReadBackup(paths, "HomeOpera");
    const std::string current = ReadIni("User Prefs", "Home URL", settings);
    if (current.empty()) return {marked, kNoOperaMessage};
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
    switch (browser) {
    case StartPageBrowser::InternetExplorer: return SwitchInternetExplorer(paths, page, marked);
    case StartPageBrowser::Firefox: return SwitchFirefox(paths, page, marked);
    case StartPageBrowser::Opera: return SwitchOpera(paths, page, marked);
    }
    return {marked, nullptr};
}
