#include "output/ChromiumStartPage.h"

#include "common/AppPaths.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "document/PageFile.h"
#include "output/ChromiumPrefs.h"
#include "output/ProfileBackup.h"

namespace {

struct PreferencesChange {
    std::string file;
    std::string text;
};

} // namespace

StartPageSwitch SwitchChromiumStartPage(BrowserKind kind, const AppPaths& paths, const PageState& page, bool marked,
                                        const BrowserPlaces& places)
{
    const ChromiumBrowser& browser = ChromiumBrowserOf(kind);
    // A running browser writes its preferences when it ends and would undo the switch.
    for (const UserDataFolder& userData : ChromiumUserDataFolders(kind, places.user))
        if (ChromiumRunning(userData)) return {marked, {FillMessage(kChromiumRunningMessage, "", browser.name)}};
    const std::vector<BrowserProfile> profiles = ListChromiumProfiles(kind, places.user);
    if (profiles.empty()) return {marked, {FillMessage(kNoChromiumMessage, "", browser.name)}};

    const bool nowMarked = !marked;
    const std::string link = LinkPageAddress(page, false);
    StartPageSwitch result{marked, {}};
    std::vector<IniKeyValue> backups;
    std::vector<PreferencesChange> changes;
    for (const BrowserProfile& profile : profiles) {
        const std::string file = profile.folder + "Preferences";
        const std::optional<std::string> bytes = ReadWholeFile(file);
        std::optional<OrderedJson> preferences = bytes ? ParseJson(*bytes) : std::nullopt;
        if (!preferences || !preferences->is_object()) {
            result.messages.push_back(FillMessage(kChromiumUnreadableMessage, file, browser.name));
            continue;
        }
        const std::string key = ProfileBackupKey(browser.key, profile.folder);
        const std::optional<OrderedJson> backup = ReadProfileBackup(paths.SettingsFile, key);
        if (nowMarked) {
            const OrderedJson* homepage = JsonAt(*preferences, "homepage");
            const bool showsLinkPage =
                homepage && homepage->is_string() && IsLinkPageAddress(homepage->get<std::string>(), paths);
            if (!backup && !showsLinkPage) {
                const std::optional<std::string> value = ProfileBackupValue(ChromiumStartPageBackup(*preferences));
                if (!value) return {marked, {FillMessage(kBackupTooLongMessage, file, browser.name)}};
                backups.push_back({kBackupProfilesSection, key, *value});
            }
            SetChromiumStartPage(*preferences, link);
        } else if (backup) {
            RestoreChromiumStartPage(*preferences, *backup);
        } else {
            continue;  // nothing known to put back: the profile keeps what it shows
        }
        std::string text = JsonFileText(*preferences);
        if (text != *bytes) changes.push_back({file, std::move(text)});
    }
    if (changes.empty() && !result.messages.empty()) return result;

    if (!backups.empty()) WriteIniKeys(backups, paths.SettingsFile);
    for (const PreferencesChange& change : changes) WriteFileAtomically(change.file, change.text);
    WriteIni("StartPage", browser.key, nowMarked ? "1" : "0", page.PageFile);
    result.marked = nowMarked;
    return result;
}
