// The editor's "Startseite" menu: each item switches its browser and carries the mark, a
// missing or running browser leaves the mark and says why. Home, registry store and program
// folder are temporary.
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "common/Ini.h"
#include "common/Registry.h"
#include "editor/MainWindow.h"
#include "output/StartPage.h"

#include "core/support/ScratchFolder.h"
#include "core/support/TemporaryHome.h"
#include "support/FakeServices.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

class StartPageMenuTest : public testing::Test {
protected:
    static constexpr const char* kOperaIni = ".config/Opera/Opera/profile/opera6.ini";
    static constexpr const char* kPrefs = ".mozilla/firefox/abc.default-esr/prefs.js";

    StartPageMenuTest() { previousEnd = SetEndProgramHandler([] {}); }
    ~StartPageMenuTest() override
    {
        SetEndProgramHandler(previousEnd);
        QApplication::closeAllWindows();
    }

    // Starts the program with the page open whose [StartPage] section is `marks`.
    void Start(const std::string& marks)
    {
        dir.Put("PnwFiles/Meine Links.pnw", "[Main]\r\nColumns=3\r\n[StartPage]\r\n" + marks);
        WriteIni("PinwallEdit", "LastEdit", "Meine Links", dir.Path("Pinwall-Builder.ini"));
        windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder")));
    }
    QAction* Item(const char* name) { return windows.Editor().findChild<QAction*>(QString::fromLatin1(name)); }
    std::string Mark(const char* key) { return ReadIni("StartPage", key, dir.Path("PnwFiles/Meine Links.pnw")); }
    std::string Prefs(const std::string& page)
    {
        return "user_pref(\"browser.startup.homepage\", \"" + page + "\");\r\n";
    }

    TemporaryHome home;
    ScratchFolder dir;
    FakeServices services;
    ProgramWindows windows;
    std::function<void()> previousEnd;
};

TEST_F(StartPageMenuTest, EachItemMakesTheLinkPageTheStartPageAndPutsTheOldOneBack)
{
    RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, "http://msn.de/");
    home.Put(kPrefs, Prefs("https://www.debian.org/"));
    home.Put(kOperaIni, "[User Prefs]\r\nHome URL=http://opera.com/\r\n");
    Start("IE=0\r\n");
    const std::string link = "file://" + dir.Folder() + "Pinwall/Meine%20Links/index.html";

    for (const char* item : {"mnuIE", "mnuFF", "mnuOP"}) {
        ASSERT_FALSE(Item(item)->isChecked());
        Item(item)->trigger();
        EXPECT_TRUE(Item(item)->isChecked()) << item;
    }
    EXPECT_EQ(RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue), link);
    EXPECT_EQ(home.Take(kPrefs), Prefs(link));
    EXPECT_EQ(ReadIni("User Prefs", "Home URL", home.Folder() + kOperaIni),
              "file://localhost" + dir.Folder() + "Pinwall/Meine%20Links/index.html");
    EXPECT_EQ(Mark("IE") + Mark("FF") + Mark("OP"), "111");

    for (const char* item : {"mnuIE", "mnuFF", "mnuOP"}) {
        Item(item)->trigger();
        EXPECT_FALSE(Item(item)->isChecked()) << item;
    }
    EXPECT_EQ(RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue), "http://msn.de/");
    EXPECT_EQ(home.Take(kPrefs), Prefs("https://www.debian.org/"));
    EXPECT_EQ(ReadIni("User Prefs", "Home URL", home.Folder() + kOperaIni), "http://opera.com/");
    EXPECT_EQ(Mark("IE") + Mark("FF") + Mark("OP"), "000");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StartPageMenuTest, AMissingOrRunningBrowserKeepsTheMarkAndSaysWhy)
{
    home.Put(kOperaIni, "[User Prefs]\r\nLanguage=de\r\n");
    home.Put(kPrefs, Prefs("https://www.debian.org/"));
    Start("OP=1\r\n");
    ASSERT_TRUE(Item("mnuOP")->isChecked());
    Item("mnuOP")->trigger();
    EXPECT_TRUE(Item("mnuOP")->isChecked());

    const int fd = ::open((home.Folder() + ".mozilla/firefox/abc.default-esr/.parentlock").c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    Item("mnuFF")->trigger();
    ::close(fd);
    EXPECT_FALSE(Item("mnuFF")->isChecked());
    EXPECT_EQ(home.Take(kPrefs), Prefs("https://www.debian.org/"));

    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[0].text, "Entweder kein Opera installiert oder nicht unterstützte Version.  ");
    EXPECT_EQ(services.messages[1].text,
              "Bitte FireFox zuerst beenden, sonst überschreibt FireFox die neue Startseite beim Beenden.  ");
    for (const RecordedMessage& message : services.messages) {
        EXPECT_EQ(message.kind, 1);
        EXPECT_EQ(message.title, "Kestrel Pinwall-Builder");
    }
    EXPECT_EQ(Mark("OP") + Mark("FF"), "1");
}
