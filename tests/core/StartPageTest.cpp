#include "output/StartPage.h"

#include "common/Files.h"
#include "common/Ini.h"
#include "common/Registry.h"
#include "common/SystemFolders.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr auto kIE = StartPageBrowser::InternetExplorer;
constexpr auto kFF = StartPageBrowser::Firefox;
constexpr auto kOP = StartPageBrowser::Opera;
constexpr const char* kProfile = ".mozilla/firefox/abc.default/prefs.js";
constexpr const char* kOperaIni = ".config/Opera/Opera/profile/opera6.ini";

std::string Prefs(const std::string& page)
{
    return "// Mozilla User Preferences\r\nuser_pref(\"browser.startup.homepage\", \"" + page +
           "\");\r\nuser_pref(\"browser.tabs.warnOnClose\", false);\r\n";
}

} // namespace

class StartPageTest : public testing::Test {
protected:
    StartPageTest()
    {
        InitFileHandling(program.paths);  // AppDataFolder in the temporary configuration folder
        SetPageNames(program.paths, "Meine Links", page);
        link = "file://" + program.paths.PagesFolder + "Meine%20Links/index.html";
    }

    StartPageSwitch Switch(StartPageBrowser browser, bool marked)
    {
        return SwitchStartPage(browser, program.paths, page, marked, {CurrentUserFolders(), policies});
    }
    std::string Backup(const char* key) { return ReadIni("Backup", key, program.paths.SettingsFile); }
    std::string Marks() { return ReadIni("StartPage", "IE", page.PageFile) + ReadIni("StartPage", "FF", page.PageFile) + ReadIni("StartPage", "OP", page.PageFile); }
    void PutIE(const std::string& value) { RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, value); }
    std::string IE() { return RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue); }
    void PutOpera(const std::string& value) { home.Put(kOperaIni, "[User Prefs]\r\nHome URL=" + value + "\r\n"); }
    std::string Opera() { return ReadIni("User Prefs", "Home URL", OperaSettingsFile(program.paths)); }

    TemporaryHome home;
    ProgramFolder program;
    PageState page;
    std::string link;
    std::vector<std::string> policies;
};

TEST_F(StartPageTest, EachBrowserKeepsItsStartPageOnceAndPutsExactlyItBack)
{
    home.Put(kProfile, Prefs("https://www.debian.org/"));
    PutIE("http://msn.de/");
    PutOpera("http://opera.com/");

    for (const auto browser : {kIE, kFF, kOP}) EXPECT_TRUE(Switch(browser, false).marked);
    EXPECT_EQ(IE(), link) << "spaces of the page name as %20";
    EXPECT_EQ(home.Take(kProfile), Prefs(link));
    EXPECT_EQ(Opera(), "file://localhost" + program.paths.PagesFolder + "Meine%20Links/index.html");
    EXPECT_EQ(Backup("HomeIE") + Backup("HomeFF") + Backup("HomeOpera"), "http://msn.de/https://www.debian.org/http://opera.com/");
    EXPECT_EQ(Marks(), "111");

    for (const auto browser : {kIE, kFF, kOP}) EXPECT_FALSE(Switch(browser, true).marked);
    EXPECT_EQ(IE(), "http://msn.de/");
    EXPECT_EQ(home.Take(kProfile), Prefs("https://www.debian.org/")) << "the old file, byte for byte";
    EXPECT_FALSE(home.Has(".mozilla/firefox/abc.default/prefs.j_"));
    EXPECT_EQ(Opera(), "http://opera.com/");
    EXPECT_EQ(Marks(), "000");

    // The backup stays the first start page found.
    PutIE("http://changed.de/");
    Switch(kIE, false);
    Switch(kIE, true);
    EXPECT_EQ(IE(), "http://msn.de/");
}

TEST_F(StartPageTest, EveryFirefoxProfileIsRewrittenAndTheFirstFoundGivesTheStartPage)
{
    // The usual home first, its profiles as the file search finds them (the last folder first),
    // then the snap and the flatpak homes.
    const char* aaa = ".mozilla/firefox/aaa.default/prefs.js";
    const char* flatpak = ".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/prefs.js";
    home.Put(aaa, Prefs("http://aaa/"));
    home.Put(".mozilla/firefox/zzz.work/prefs.js", "user_pref(\"browser.startup.homepage\", \"http://zzz/\");\n"
                                                   "user_pref(\"x\", \"gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xFF\");");
    home.Put("snap/firefox/common/.mozilla/firefox/s.default/prefs.js", Prefs("http://snap/"));
    home.Put(flatpak, Prefs("http://flatpak/"));
    home.Put(".mozilla/firefox/new.profile/prefs.js", "user_pref(\"browser.startup.page\", 3);\n");

    Switch(kFF, false);
    EXPECT_EQ(Backup("HomeFF"), "http://zzz/");
    for (const char* file : {aaa, "snap/firefox/common/.mozilla/firefox/s.default/prefs.js", flatpak})
        EXPECT_EQ(home.Take(file), Prefs(link)) << file;
    EXPECT_EQ(home.Take(".mozilla/firefox/zzz.work/prefs.js"),
              "user_pref(\"browser.startup.homepage\", \"" + link + "\");\r\nuser_pref(\"x\", \"gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xFF\");\r\n")
        << "CR LF line ends, every other byte kept";
    EXPECT_EQ(home.Take(".mozilla/firefox/new.profile/prefs.js"),
              "user_pref(\"browser.startup.page\", 1);\r\nuser_pref(\"browser.startup.homepage\", \"" + link + "\");\r\n")
        << "a Firefox with its default start page, set to restore the last session";

    Switch(kFF, true);
    EXPECT_EQ(home.Take(flatpak), Prefs("http://flatpak/")) << "each profile its own start page";
    EXPECT_EQ(home.Take(".mozilla/firefox/new.profile/prefs.js"), "user_pref(\"browser.startup.page\", 3);\r\n")
        << "the added line removed, the session restored again";
}

TEST_F(StartPageTest, AMissingBrowserGetsItsMessageAndNothingChanges)
{
    const std::string operaIni = "[User Prefs]\r\nHome URL=\r\nLanguage=de\r\n";
    home.Put(kOperaIni, operaIni);
    home.Put(".mozilla/firefox/profiles.ini", "[Profile0]\nPath=gone.default\n");  // no profile folder

    const StartPageSwitch ie = Switch(kIE, false);
    const StartPageSwitch ff = Switch(kFF, true);
    const StartPageSwitch op = Switch(kOP, false);
    EXPECT_EQ(ie.messages, std::vector<std::string>{"Entweder kein Internet Explorer installiert oder nicht unterstützte Version.  "});
    EXPECT_EQ(ff.messages, std::vector<std::string>{"Entweder kein FireFox installiert oder nicht unterstützte Version.  "});
    EXPECT_EQ(op.messages, std::vector<std::string>{"Entweder kein Opera installiert oder nicht unterstützte Version.  "});
    EXPECT_FALSE(ie.marked || op.marked);
    EXPECT_TRUE(ff.marked);
    EXPECT_EQ(home.Take(kOperaIni), operaIni);
    EXPECT_FALSE(FileExists(program.paths.SettingsFile) || FileExists(page.PageFile));
}

TEST_F(StartPageTest, ARunningFirefoxStopsTheSwitchUntilItEnds)
{
    home.Put(kProfile, Prefs("https://www.debian.org/"));
    home.Put(".mozilla/firefox/other/prefs.js", Prefs("https://www.debian.org/"));
    const std::string lockFile = home.Folder() + ".mozilla/firefox/other/.parentlock";

    // Firefox holds a write lock on the file; one of this very process is seen as well.
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);

    const StartPageSwitch refused = Switch(kFF, false);
    EXPECT_EQ(refused.messages, std::vector<std::string>{"Bitte FireFox zuerst beenden, sonst überschreibt FireFox die neue Startseite beim Beenden.  "});
    EXPECT_FALSE(refused.marked);
    EXPECT_EQ(home.Take(kProfile), Prefs("https://www.debian.org/"));
    EXPECT_FALSE(FileExists(program.paths.SettingsFile) || FileExists(page.PageFile));

    ::close(fd);  // Firefox ends, its lock file stays
    EXPECT_TRUE(Switch(kFF, false).marked);
    EXPECT_EQ(home.Take(kProfile), Prefs(link));
}

TEST_F(StartPageTest, AnEmptyBackupIsNeverWrittenIntoTheBrowserNorALinkPageKeptAsBackup)
{
    // The settings file is gone while the browsers still show the link page.
    home.Put(kProfile, Prefs(link));
    PutIE(link);
    PutOpera("file://localhost" + page.PageFolder + "index.html");

    for (const auto browser : {kIE, kFF, kOP}) EXPECT_FALSE(Switch(browser, true).marked);
    EXPECT_EQ(Marks(), "000");
    EXPECT_EQ(IE(), link);
    EXPECT_EQ(home.Take(kProfile), Prefs(link));
    EXPECT_EQ(Opera(), "file://localhost" + page.PageFolder + "index.html");

    // Switched on from another page, a link page is no backup either.
    SetPageNames(program.paths, "Andere", page);
    for (const auto browser : {kIE, kFF, kOP}) EXPECT_TRUE(Switch(browser, false).marked);
    EXPECT_FALSE(FileExists(program.paths.SettingsFile));
    EXPECT_EQ(IE(), "file://" + program.paths.PagesFolder + "Andere/index.html");
}

TEST_F(StartPageTest, ABackupBeyondWindows1252IsKeptPercentEncoded)
{
    home.Put(kProfile, Prefs("https://b\xC3\xBC" "cher.de/\xE6\x97\xA5/\xF0\x9F\x98\x80"));
    Switch(kFF, false);
    Switch(kFF, true);
    EXPECT_EQ(Backup("HomeFF"), "https://b\xC3\xBC" "cher.de/%E6%97%A5/%F0%9F%98%80");
    EXPECT_EQ(home.Take(kProfile), Prefs("https://b\xC3\xBC" "cher.de/\xE6\x97\xA5/\xF0\x9F\x98\x80"))
        << "the profile's own backup gives it back exactly";
    EXPECT_EQ(PercentEncodeBeyondCp1252("a\xFF" "b\xE2\x82"), "a%FFb%E2%82") << "malformed bytes";
}

TEST(StartPageAddressTest, CharactersThatWouldEndThePathAreEncoded)
{
    PageState page;
    page.PageFolder = "/home/u/C#/Was? 100%/";
    EXPECT_EQ(LinkPageAddress(page, false), "file:///home/u/C%23/Was%3F%20100%25/index.html");
    EXPECT_EQ(LinkPageAddress(page, true), "file://localhost/home/u/C%23/Was%3F%20100%25/index.html");
}

TEST_F(StartPageTest, EachFirefoxProfileKeepsItsOwnSettingsAndAMissingOneIsRemovedAgain)
{
    home.Put(kProfile, "user_pref(\"browser.startup.page\", 0);\r\n");
    const std::string second = ".config/mozilla/firefox/b.default-release/prefs.js";
    home.Put(second, Prefs("http://zwei/"));

    Switch(kFF, false);
    EXPECT_EQ(ReadIni("BackupProfiles", "FF|" + home.Folder() + ".mozilla/firefox/abc.default", program.paths.SettingsFile),
              R"({"browser.startup.page":0})");
    EXPECT_EQ(ReadIni("BackupProfiles", "FF|" + home.Folder() + ".config/mozilla/firefox/b.default-release",
                      program.paths.SettingsFile),
              R"({"browser.startup.homepage":"http://zwei/"})");
    EXPECT_EQ(Backup("HomeFF"), "") << "the first profile had no start page of its own";
    EXPECT_EQ(home.Take(kProfile), "user_pref(\"browser.startup.page\", 1);\r\nuser_pref(\"browser.startup.homepage\", \"" + link + "\");\r\n");

    // The backups are kept once: a second round gives the same settings back.
    for (int round = 0; round < 2; ++round) {
        Switch(kFF, true);
        EXPECT_EQ(home.Take(kProfile), "user_pref(\"browser.startup.page\", 0);\r\n");
        EXPECT_EQ(home.Take(second), Prefs("http://zwei/"));
        Switch(kFF, false);
    }

    // A settings file of an older release keeps one start page for every profile.
    DeleteIniSection("BackupProfiles", program.paths.SettingsFile);
    WriteIni("Backup", "HomeFF", "http://alt/", program.paths.SettingsFile);
    Switch(kFF, true);
    EXPECT_EQ(home.Take(second), Prefs("http://alt/"));
}

TEST_F(StartPageTest, AFirefoxStartPageFixedElsewhereLeavesItsProfileAsItIs)
{
    home.Put(kProfile, Prefs("http://eins/"));
    home.Put(".mozilla/firefox/abc.default/user.js", "user_pref(\"browser.startup.homepage\", \"http://fest/\");\n");
    const std::string second = ".mozilla/firefox/b.second/prefs.js";
    home.Put(second, Prefs("http://zwei/"));
    const std::string userJs = home.Folder() + ".mozilla/firefox/abc.default/user.js";
    const std::string fixed = "Die Startseite von FireFox ist in " + userJs + " festgelegt; dieses Profil bleibt unverändert.  ";

    StartPageSwitch result = Switch(kFF, false);
    EXPECT_TRUE(result.marked);
    EXPECT_EQ(result.messages, std::vector<std::string>{fixed});
    EXPECT_EQ(home.Take(kProfile), Prefs("http://eins/"));
    EXPECT_EQ(home.Take(second), Prefs(link));

    // With every profile fixed, nothing is switched.
    home.Put(".mozilla/firefox/b.second/user.js", "user_pref(\"browser.startup.page\", 3);\n");
    result = Switch(kFF, true);
    EXPECT_TRUE(result.marked);
    EXPECT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(home.Take(second), Prefs(link));

    // A locked policy fixes it for every profile.
    home.Put("policies.json", R"({"policies": {"Homepage": {"URL": "http://firma/", "Locked": true}}})");
    policies = {home.Folder() + "missing.json", home.Folder() + "policies.json"};
    result = Switch(kFF, true);
    EXPECT_TRUE(result.marked);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Die Startseite von FireFox ist in " + policies[1] +
                                                        " festgelegt; dieses Profil bleibt unverändert.  "});
    EXPECT_EQ(ReadIni("StartPage", "FF", page.PageFile), "1");
}

TEST_F(StartPageTest, SettingsTooLongToKeepRefuseTheSwitch)
{
    const std::string prefs = Prefs("http://lang/" + std::string(2020, 'x'));
    home.Put(kProfile, prefs);
    const StartPageSwitch result = Switch(kFF, false);
    EXPECT_FALSE(result.marked);
    EXPECT_EQ(result.messages, std::vector<std::string>{"Die bisherigen Einstellungen von FireFox in " + home.Folder() + kProfile +
                                                        " sind zu lang zum Sichern; es wurde nichts geändert.  "});
    EXPECT_EQ(home.Take(kProfile), prefs);
    EXPECT_FALSE(FileExists(program.paths.SettingsFile) || FileExists(page.PageFile));
}
