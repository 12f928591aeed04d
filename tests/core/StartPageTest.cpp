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
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Prefs(const std::string& page)
{
    return "// Mozilla User Preferences\r\nuser_pref(\"browser.startup.homepage\", \"" + page +
           "\");\r\nuser_pref(\"browser.tabs.warnOnClose\", false);\r\n";
}

} // namespace

class StartPageTest : public testing::Test {
protected:
    static constexpr const char* kOperaIni = ".config/Opera/Opera/profile/opera6.ini";

    StartPageTest()
    {
        InitFileHandling(program.paths);  // AppDataFolder in the temporary configuration folder
        SetPageNames(program.paths, "Home", page);
        CreatePageFile(program.paths, "Home");
    }

    StartPageSwitch Switch(StartPageBrowser browser, bool marked)
    {
        return SwitchStartPage(browser, program.paths, page, marked);
    }
    std::string Backup(const char* key) { return ReadIni("Backup", key, program.paths.SettingsFile); }
    std::string Mark(const char* key) { return ReadIni("StartPage", key, page.PageFile); }
    std::string IeStartPage() { return RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue); }
    void PutOpera(const std::string& home) { this->home.Put(kOperaIni, "[User Prefs]\r\nHome URL=" + home + "\r\n"); }
    std::string OperaHome() { return ReadIni("User Prefs", "Home URL", OperaSettingsFile(program.paths)); }

    TemporaryHome home;
    ProgramFolder program;
    PageState page;
};

TEST_F(StartPageTest, EachBrowserKeepsItsStartPageOnceAndPutsExactlyItBack)
{
    const std::string prefs = Prefs("https://www.debian.org/");
    home.Put(".mozilla/firefox/abc.default/prefs.js", prefs);
    RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, "http://msn.de/");
    PutOpera("http://opera.com/");
    const std::string link = "file://" + page.PageFolder + "index.html";

    EXPECT_TRUE(Switch(StartPageBrowser::InternetExplorer, false).marked);
    EXPECT_TRUE(Switch(StartPageBrowser::Firefox, false).marked);
    EXPECT_TRUE(Switch(StartPageBrowser::Opera, false).marked);
    EXPECT_EQ(IeStartPage(), link);
    EXPECT_EQ(home.Take(".mozilla/firefox/abc.default/prefs.js"), Prefs(link));
    EXPECT_EQ(OperaHome(), "file://localhost" + page.PageFolder + "index.html");
    EXPECT_EQ(Backup("HomeIE"), "http://msn.de/");
    EXPECT_EQ(Backup("HomeFF"), "https://www.debian.org/");
    EXPECT_EQ(Backup("HomeOpera"), "http://opera.com/");
    EXPECT_EQ(Mark("IE") + Mark("FF") + Mark("OP"), "111");

    for (const auto browser : {StartPageBrowser::InternetExplorer, StartPageBrowser::Firefox, StartPageBrowser::Opera}) {
        const StartPageSwitch back = Switch(browser, true);
        EXPECT_FALSE(back.marked);
        EXPECT_EQ(back.message, nullptr);
    }
    EXPECT_EQ(IeStartPage(), "http://msn.de/");
    EXPECT_EQ(home.Take(".mozilla/firefox/abc.default/prefs.js"), prefs) << "the old file, byte for byte";
    EXPECT_FALSE(home.Has(".mozilla/firefox/abc.default/prefs.j_"));
    EXPECT_EQ(OperaHome(), "http://opera.com/");
    EXPECT_EQ(Mark("IE") + Mark("FF") + Mark("OP"), "000");

    // The backup stays the first start page found, however often the page is switched.
    RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, "http://changed.de/");
    Switch(StartPageBrowser::InternetExplorer, false);
    Switch(StartPageBrowser::InternetExplorer, true);
    EXPECT_EQ(Backup("HomeIE"), "http://msn.de/");
    EXPECT_EQ(IeStartPage(), "http://msn.de/");
}

TEST_F(StartPageTest, APageNameWithSpacesGivesPercent20)
{
    SetPageNames(program.paths, "Meine Links", page);
    RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, "http://msn.de/");
    PutOpera("http://opera.com/");
    Switch(StartPageBrowser::InternetExplorer, false);
    Switch(StartPageBrowser::Opera, false);
    EXPECT_EQ(IeStartPage(), "file://" + program.paths.PagesFolder + "Meine%20Links/index.html");
    EXPECT_EQ(OperaHome(), "file://localhost" + program.paths.PagesFolder + "Meine%20Links/index.html");
}

TEST_F(StartPageTest, EveryFirefoxProfileIsRewrittenAndTheFirstFoundGivesTheStartPage)
{
    // The usual home first, its profiles as the file search finds them (the last folder first),
    // then the snap and the flatpak homes.
    home.Put(".mozilla/firefox/aaa.default/prefs.js", Prefs("http://aaa/"));
    home.Put(".mozilla/firefox/zzz.work/prefs.js", "user_pref(\"browser.startup.homepage\", \"http://zzz/\");\n"
                                                   "user_pref(\"x\", \"gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xFF\");\n");
    home.Put("snap/firefox/common/.mozilla/firefox/s.default/prefs.js", Prefs("http://snap/"));
    home.Put(".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/prefs.js", Prefs("http://flatpak/"));
    const std::string untouched = "user_pref(\"browser.startup.page\", 3);\n";
    home.Put(".mozilla/firefox/new.profile/prefs.js", untouched);

    EXPECT_TRUE(Switch(StartPageBrowser::Firefox, false).marked);
    EXPECT_EQ(Backup("HomeFF"), "http://zzz/");
    const std::string link = "file://" + page.PageFolder + "index.html";
    for (const char* file : {".mozilla/firefox/aaa.default/prefs.js", "snap/firefox/common/.mozilla/firefox/s.default/prefs.js",
                             ".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/prefs.js"})
        EXPECT_EQ(home.Take(file), Prefs(link)) << file;
    EXPECT_EQ(home.Take(".mozilla/firefox/zzz.work/prefs.js"),
              "user_pref(\"browser.startup.homepage\", \"" + link + "\");\r\n"
              "user_pref(\"x\", \"gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xFF\");\r\n")
        << "CR LF line ends, every other byte kept";
    EXPECT_EQ(home.Take(".mozilla/firefox/new.profile/prefs.js"), untouched);

    Switch(StartPageBrowser::Firefox, true);
    EXPECT_EQ(home.Take(".mozilla/firefox/aaa.default/prefs.js"), Prefs("http://zzz/"));
    EXPECT_EQ(home.Take(".var/app/org.mozilla.firefox/.mozilla/firefox/f.default/prefs.js"), Prefs("http://zzz/"));
}

TEST_F(StartPageTest, AMissingBrowserGetsItsMessageAndNothingChanges)
{
    const std::string operaIni = "[User Prefs]\r\nHome URL=\r\nLanguage=de\r\n";
    home.Put(kOperaIni, operaIni);
    home.Put(".mozilla/firefox/abc.default/prefs.js", "user_pref(\"browser.startup.page\", 1);\r\n");

    const StartPageSwitch ie = Switch(StartPageBrowser::InternetExplorer, false);
    const StartPageSwitch ff = Switch(StartPageBrowser::Firefox, true);
    const StartPageSwitch op = Switch(StartPageBrowser::Opera, false);
    EXPECT_STREQ(ie.message, "Entweder kein Internet Explorer installiert oder nicht unterstützte Version.  ");
    EXPECT_STREQ(ff.message, "Entweder kein FireFox installiert oder nicht unterstützte Version.  ");
    EXPECT_STREQ(op.message, "Entweder kein Opera installiert oder nicht unterstützte Version.  ");
    EXPECT_FALSE(ie.marked);
    EXPECT_TRUE(ff.marked);
    EXPECT_FALSE(op.marked);
    EXPECT_EQ(home.Take(kOperaIni), operaIni);
    EXPECT_FALSE(FileExists(program.paths.SettingsFile));
    EXPECT_EQ(Mark("IE") + Mark("FF") + Mark("OP"), "");
}

TEST_F(StartPageTest, ARunningFirefoxStopsTheSwitchUntilItEnds)
{
    const std::string prefs = Prefs("https://www.debian.org/");
    home.Put(".mozilla/firefox/a.default/prefs.js", prefs);
    home.Put(".mozilla/firefox/b.other/prefs.js", prefs);
    const std::string lockFile = home.Folder() + ".mozilla/firefox/a.default/.parentlock";

    // Firefox holds a traditional fcntl write lock on the file while it runs.
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t firefox = fork();
    ASSERT_GE(firefox, 0);
    if (firefox == 0) {
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT, 0644);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        const char done = fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
        (void)!::write(ready[1], &done, 1);
        char wait;
        (void)!::read(release[0], &wait, 1);
        _exit(0);
    }
    char locked = 0;
    ASSERT_EQ(::read(ready[0], &locked, 1), 1);
    ASSERT_EQ(locked, 'y');

    const StartPageSwitch refused = Switch(StartPageBrowser::Firefox, false);
    EXPECT_STREQ(refused.message, "Bitte FireFox zuerst beenden, sonst überschreibt FireFox die neue Startseite beim Beenden.  ");
    EXPECT_FALSE(refused.marked);
    EXPECT_EQ(home.Take(".mozilla/firefox/b.other/prefs.js"), prefs);
    EXPECT_FALSE(FileExists(program.paths.SettingsFile));
    EXPECT_EQ(Mark("FF"), "");

    ASSERT_EQ(::write(release[1], "x", 1), 1);
    waitpid(firefox, nullptr, 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);

    ASSERT_TRUE(FileExists(lockFile)) << "the lock file stays after Firefox ended";
    const StartPageSwitch done = Switch(StartPageBrowser::Firefox, false);
    EXPECT_EQ(done.message, nullptr);
    EXPECT_TRUE(done.marked);
    EXPECT_EQ(home.Take(".mozilla/firefox/b.other/prefs.js"), Prefs("file://" + page.PageFolder + "index.html"));
}

TEST_F(StartPageTest, AnEmptyBackupIsNeverWrittenIntoTheBrowserNorTheLinkPageKeptAsBackup)
{
    // The settings file is gone while the browsers still show the link page.
    const std::string link = "file://" + page.PageFolder + "index.html";
    const std::string prefs = Prefs(link);
    home.Put(".mozilla/firefox/abc.default/prefs.js", prefs);
    RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, link);
    PutOpera("file://localhost" + page.PageFolder + "index.html");

    for (const auto browser : {StartPageBrowser::InternetExplorer, StartPageBrowser::Firefox, StartPageBrowser::Opera})
        EXPECT_FALSE(Switch(browser, true).marked);
    EXPECT_EQ(Mark("IE") + Mark("FF") + Mark("OP"), "000");
    EXPECT_EQ(IeStartPage(), link);
    EXPECT_EQ(home.Take(".mozilla/firefox/abc.default/prefs.js"), prefs);
    EXPECT_EQ(OperaHome(), "file://localhost" + page.PageFolder + "index.html");

    // Switched on again, the link page (this one or another of the program) is no backup either.
    SetPageNames(program.paths, "Andere Seite", page);
    for (const auto browser : {StartPageBrowser::InternetExplorer, StartPageBrowser::Firefox, StartPageBrowser::Opera})
        EXPECT_TRUE(Switch(browser, false).marked);
    EXPECT_FALSE(FileExists(program.paths.SettingsFile));
    EXPECT_EQ(IeStartPage(), "file://" + program.paths.PagesFolder + "Andere%20Seite/index.html");
}

TEST_F(StartPageTest, ABackupBeyondWindows1252IsKeptPercentEncoded)
{
    home.Put(".mozilla/firefox/abc.default/prefs.js", Prefs("https://b\xC3\xBC" "cher.de/\xE6\x97\xA5\xE6\x9C\xAC/\xF0\x9F\x98\x80"));
    Switch(StartPageBrowser::Firefox, false);
    EXPECT_EQ(Backup("HomeFF"), "https://b\xC3\xBC" "cher.de/%E6%97%A5%E6%9C%AC/%F0%9F%98%80");
    Switch(StartPageBrowser::Firefox, true);
    EXPECT_EQ(home.Take(".mozilla/firefox/abc.default/prefs.js"), Prefs("https://b\xC3\xBC" "cher.de/%E6%97%A5%E6%9C%AC/%F0%9F%98%80"));
    EXPECT_EQ(PercentEncodeBeyondCp1252("a\xFF" "b\xE2\x82"), "a%FFb%E2%82") << "malformed bytes";
}
