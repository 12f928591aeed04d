#include "output/FirefoxStartPage.h"

#include "common/AppPaths.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "document/PageFile.h"
#include "output/FirefoxPrefs.h"
#include "output/ProfileBackup.h"

#include <optional>

namespace {

constexpr const char* kBrowserKey = "FF";

std::string Quoted(const std::string& spelt) { return "\"" + spelt + "\""; }

// A string literal of prefs.js without its quotes, as it is spelt.
std::optional<std::string> Unquoted(const std::optional<std::string>& literal)
{
    if (!literal || literal->size() < 2 || literal->front() != '"' || literal->back() != '"') return std::nullopt;
    return literal->substr(1, literal->size() - 2);
}

std::optional<int> IntegerLiteral(const std::optional<std::string>& literal)
{
    if (!literal || literal->empty() || literal->size() > 9) return std::nullopt;
    for (const char c : *literal)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stoi(*literal);
}

// What one profile's prefs.js gets, and the keys the settings file gets on the way.
struct ProfileChange {
    std::string prefsFile;
    std::vector<PrefSetting> settings;
};

// The settings of the backup: each one it holds, every other one removed.
std::vector<PrefSetting> SettingsFromBackup(const OrderedJson& backup)
{
    std::vector<PrefSetting> settings = {{kHomepagePref, std::nullopt}, {kStartupPagePref, std::nullopt}};
    if (const auto it = backup.find(kHomepagePref); it != backup.end() && it->is_string())
        settings[0].literal = Quoted(it->get<std::string>());
    if (const auto it = backup.find(kStartupPagePref); it != backup.end() && it->is_number_integer())
        settings[1].literal = std::to_string(it->get<long long>());
    return settings;
}

} // namespace

StartPageSwitch SwitchFirefoxStartPage(const AppPaths& paths, const PageState& page, bool marked,
                                       const BrowserPlaces& places)
{
    const std::vector<BrowserProfile> profiles = ListFirefoxProfiles(places.user);
    if (profiles.empty()) return {marked, {kNoFirefoxMessage}};
    // A running Firefox writes its preferences back when it ends and would undo the switch.
    for (const BrowserProfile& profile : profiles)
        if (FirefoxProfileInUse(profile.folder + "prefs.js")) return {marked, {kFirefoxRunningMessage}};
    // A locked policy sets the home page at every start, in every profile.
    if (const std::string policy = FirefoxHomepageLockedBy(places.firefoxPolicyFiles); !policy.empty())
        return {marked, {FillMessage(kFirefoxFixedMessage, policy)}};

    const bool nowMarked = !marked;
    const std::string link = PrefsString(LinkPageAddress(page, false));
    const std::string homeFF = ReadIni("Backup", "HomeFF", paths.SettingsFile);
    StartPageSwitch result{marked, {}};
    std::vector<IniKeyValue> backups;
    std::vector<ProfileChange> changes;
    for (std::size_t index = 0; index < profiles.size(); ++index) {
        const std::string& folder = profiles[index].folder;
        if (const std::optional<std::string> userJs = ReadWholeFile(folder + "user.js");
            userJs && UserJsSetsStartPage(*userJs)) {
            result.messages.push_back(FillMessage(kFirefoxFixedMessage, folder + "user.js"));
            continue;
        }
        const std::string prefsFile = folder + "prefs.js";
        const std::optional<std::string> bytes = ReadWholeFile(prefsFile);
        if (!bytes) continue;
        const std::string key = ProfileBackupKey(kBrowserKey, folder);
        const std::optional<OrderedJson> backup = ReadProfileBackup(paths.SettingsFile, key);
        const std::optional<std::string> homepage = Unquoted(PrefLiteral(*bytes, kHomepagePref));
        ProfileChange change{prefsFile, {}};
        if (nowMarked) {
            const std::optional<int> startup = IntegerLiteral(PrefLiteral(*bytes, kStartupPagePref));
            const bool showsLinkPage = homepage && IsLinkPageAddress(*homepage, paths);
            if (!backup && !showsLinkPage) {
                OrderedJson saved = OrderedJson::object();
                if (homepage) saved[kHomepagePref] = *homepage;
                if (startup) saved[kStartupPagePref] = *startup;
                const std::optional<std::string> value = ProfileBackupValue(saved);
                if (!value) return {marked, {FillMessage(kBackupTooLongMessage, prefsFile, "FireFox")}};
                backups.push_back({kBackupProfilesSection, key, *value});
            }
            if (index == 0 && homeFF.empty() && homepage && !homepage->empty() && !showsLinkPage)
                backups.push_back({"Backup", "HomeFF", PercentEncodeBeyondCp1252(*homepage)});
            change.settings.push_back({kHomepagePref, Quoted(link)});
            // A blank page or the last session would hide the start page.
            if (startup == 0 || startup == 3) change.settings.push_back({kStartupPagePref, "1"});
        } else if (backup) {
            change.settings = SettingsFromBackup(*backup);
        } else if (!homeFF.empty() && homepage) {
            // Switched by an older release, which kept one start page for every profile.
            change.settings.push_back({kHomepagePref, Quoted(homeFF)});
        } else {
            continue;  // nothing known to put back: the profile keeps what it shows
        }
        changes.push_back(std::move(change));
    }
    // Every profile's start page is fixed elsewhere: nothing was switched.
    if (changes.empty() && !result.messages.empty()) return result;

    if (!backups.empty()) WriteIniKeys(backups, paths.SettingsFile);
    for (const ProfileChange& change : changes) SetPrefsInFile(change.prefsFile, change.settings);
    WriteIni("StartPage", kBrowserKey, nowMarked ? "1" : "0", page.PageFile);
    result.marked = nowMarked;
    return result;
}
