#include "output/StartPage.h"

#include "common/ChromiumProfiles.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/JsonText.h"
#include "common/PlatformFiles.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr auto kChromium = StartPageBrowser::Chromium;
constexpr const char* kDefault = ".config/chromium/Default/Preferences";
constexpr const char* kWork = ".config/chromium/Profile 2/Preferences";
// Keys around and inside the settings the switch changes, in an order that is no sorted one.
const std::string kOriginal =
    R"({"zeta":1,"session":{"restore_on_startup":1,"z":[1,2.5,"ä"]},"homepage_is_newtabpage":true,"alpha":{"b":null},)"
    R"("browser":{"window_placement":{"left":10}},"protection":{"macs":{"homepage":"ABC"}}})";

} // namespace

class ChromiumStartPageTest : public testing::Test {
protected:
    ChromiumStartPageTest()
    {
        SetPageNames(program.paths, "Meine Links", page);
        link = "file://" + program.paths.PagesFolder + "Meine%20Links/index.html";
    }
    StartPageSwitch Switch(bool marked) { return SwitchStartPage(kChromium, program.paths, page, marked, {CurrentUserFolders(), {}}); }
    OrderedJson Json(const char* file) { return *ParseJson(home.Take(file)); }

    TemporaryHome home;
    ProgramFolder program;
    PageState page;
    std::string link;
};

TEST_F(ChromiumStartPageTest, EveryProfileGetsThePageAndExactlyItsOwnSettingsBack)
{
    home.Put(".config/chromium/Local State",
             R"({"profile":{"info_cache":{"Profile 2":{"name":"Arbeit"},"Default":{"name":"Person 1"},"Gone":{"name":"x"}}}})");
    home.Put(kDefault, kOriginal);
    home.Put(kWork, "{\"homepage\":\"http://arbeit/\"}");
    home.Put(".config/chromium/Profile 3/Preferences", "{}");  // not in Local State
    std::vector<std::string> names;
    for (const BrowserProfile& profile : ListChromiumProfiles(BrowserKind::Chromium, CurrentUserFolders()))
        names.push_back(profile.displayName);
    EXPECT_EQ(names, (std::vector<std::string>{"Chromium – Arbeit", "Chromium – Person 1"}));

    EXPECT_TRUE(Switch(false).marked);
    const OrderedJson set = Json(kDefault);
    EXPECT_EQ(set["session"]["restore_on_startup"], 4);
    EXPECT_EQ(set["session"]["startup_urls"], OrderedJson::array({link}));
    EXPECT_EQ(set["homepage"], link);
    EXPECT_EQ(set["homepage_is_newtabpage"], false);
    EXPECT_EQ(set["browser"]["show_home_button"], true);
    EXPECT_EQ(ReadIni("StartPage", "Chromium", page.PageFile), "1");
    EXPECT_EQ(ReadIni("BackupProfiles", "Chromium|" + home.Folder() + ".config/chromium/Default", program.paths.SettingsFile),
              R"({"session.restore_on_startup":1,"homepage_is_newtabpage":true})");

    EXPECT_FALSE(Switch(true).marked);
    EXPECT_EQ(home.Take(kDefault), JsonFileText(*ParseJson(kOriginal))) << "same keys, same order, absent ones gone";
    EXPECT_EQ(Json(kWork), *ParseJson("{\"homepage\":\"http://arbeit/\"}"));
}

TEST_F(ChromiumStartPageTest, WithoutLocalStateTheProfileFoldersCountAndUnreadableOnesStayAsTheyAre)
{
    home.Put(".config/chromium/Profile 10/Preferences", "{}");
    home.Put(".config/chromium/Profile 9/Preferences", "{}");
    home.Put(kDefault, "{\"homepage\": tru");
    home.Put(".config/chromium/System Profile/Preferences", "{}");
    std::vector<std::string> folders;
    for (const BrowserProfile& profile : ListBrowserProfiles(CurrentUserFolders())) folders.push_back(profile.folder);
    const std::string root = home.Folder() + ".config/chromium/";
    EXPECT_EQ(folders, (std::vector<std::string>{root + "Default/", root + "Profile 9/", root + "Profile 10/"}));

    const StartPageSwitch result = Switch(false);
    EXPECT_TRUE(result.marked);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Die Einstellungen von Chromium in " + root +
                                                        "Default/Preferences sind nicht lesbar und bleiben unverändert.  "});
    EXPECT_EQ(home.Take(kDefault), "{\"homepage\": tru");
    EXPECT_EQ(Json(".config/chromium/Profile 9/Preferences")["homepage"], link);
}

TEST_F(ChromiumStartPageTest, ARunningBrowserRefusesTheSwitchAStaleLockDoesNot)
{
    home.Put(kDefault, kOriginal);
    const std::string lock = home.Folder() + ".config/chromium/SingletonLock";
    const std::string running = "Bitte Chromium zuerst beenden, sonst überschreibt Chromium die neue Startseite beim Beenden.  ";
    for (const auto& [target, refused] : std::initializer_list<std::pair<std::string, bool>>{
             {HostName() + "-" + std::to_string(CurrentProcessId()), true},
             {"another-host-" + std::to_string(CurrentProcessId()), false},
             {HostName() + "-999999999", false}}) {
        std::filesystem::remove(lock);
        std::filesystem::create_symlink(target, lock);
        home.Put(kDefault, kOriginal);
        const StartPageSwitch result = Switch(false);
        EXPECT_EQ(result.marked, !refused) << target;
        EXPECT_EQ(result.messages.empty(), !refused) << target;
        EXPECT_TRUE(!refused || result.messages[0] == running);
        EXPECT_EQ(home.Take(kDefault) == kOriginal, refused) << target;
    }
    // In a flatpak home the process cannot be seen: any lock counts.
    home.Put(".var/app/org.chromium.Chromium/config/chromium/Default/Preferences", "{}");
    std::filesystem::create_symlink("elsewhere-1", home.Folder() + ".var/app/org.chromium.Chromium/config/chromium/SingletonLock");
    EXPECT_EQ(Switch(false).messages, std::vector<std::string>{running});
}
