// The editor's "Startseite" menu: each item switches its browser and carries the mark; a
// missing browser keeps the mark and says why. Home, registry store and program
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
#include <QMenu>
#include <QWidget>
#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>

class StartPageMenuTest : public testing::Test {
protected:
    StartPageMenuTest()
    {
        previousEnd = SetEndProgramHandler([] {});
        RegWriteString(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue, "http://msn.de/");
        home.Put(".config/Opera/Opera/profile/opera6.ini", "[User Prefs]\r\nLanguage=de\r\n");
        dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n[StartPage]\r\nOP=1\r\n");
        WriteIni("PinwallEdit", "LastEdit", "Home", dir.Path("Pinwall-Builder.ini"));
        windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder")));
    }
    ~StartPageMenuTest() override
    {
        SetEndProgramHandler(previousEnd);
        QApplication::closeAllWindows();
    }

    QAction* Item(const char* name) { return windows.Editor().findChild<QAction*>(QString::fromLatin1(name)); }
    std::string Key(const char* key) { return ReadIni("StartPage", key, dir.Path("PnwFiles/Home.pnw")); }

    TemporaryHome home;
    ScratchFolder dir;
    FakeServices services;
    ProgramWindows windows;
    std::function<void()> previousEnd;
};

TEST_F(StartPageMenuTest, AnItemSwitchesItsBrowserBackAndForthAndCarriesTheMark)
{
    Item("mnuIE")->trigger();
    EXPECT_TRUE(Item("mnuIE")->isChecked());
    EXPECT_EQ(Key("IE"), "1");
    Item("mnuIE")->trigger();
    EXPECT_FALSE(Item("mnuIE")->isChecked());
    EXPECT_EQ(Key("IE"), "0");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StartPageMenuTest, AMissingBrowserKeepsTheMarkAndSaysWhy)
{
    ASSERT_TRUE(Item("mnuOP")->isChecked()) << "from the page file";
    Item("mnuOP")->trigger();
    EXPECT_TRUE(Item("mnuOP")->isChecked());
    EXPECT_EQ(Key("OP"), "1");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Entweder kein Opera installiert oder nicht unterstützte Version.  ");
}

TEST_F(StartPageMenuTest, APageNeverWrittenIsWrittenFirstOrNothingIsSwitched)
{
    const std::string index = dir.Path("Pinwall/Home/index.html");
    ASSERT_FALSE(std::filesystem::exists(index));
    Item("mnuIE")->trigger();
    EXPECT_TRUE(Item("mnuIE")->isChecked());
    EXPECT_TRUE(std::filesystem::exists(index));
    for (const QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible() && window->objectName() == "frmPreview") << "no preview";

    // The page folder cannot hold the page: the write fails and the browser keeps its start page.
    Item("mnuIE")->trigger();
    std::filesystem::remove_all(dir.Path("Pinwall/Home"));
    dir.Put("Pinwall/Home", "a file where the page folder should be");
    Item("mnuIE")->trigger();
    EXPECT_FALSE(Item("mnuIE")->isChecked());
    EXPECT_EQ(RegReadStringTrimmed(RegRoot::CurrentUser, kInternetExplorerKey, kInternetExplorerValue), "http://msn.de/");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Fehler beim Schreiben der Datei. ");
}

TEST_F(StartPageMenuTest, AChromiumFamilyItemShowsOnlyWhereTheBrowserIsAndCarriesTheMark)
{
    home.Put(".config/chromium/Default/Preferences", R"({"homepage":"http://alt/"})");
    QMenu* menu = windows.Editor().findChild<QMenu*>(QStringLiteral("mnuStart"));
    emit menu->aboutToShow();
    EXPECT_TRUE(Item("mnuChromium")->isVisible());
    EXPECT_FALSE(Item("mnuChrome")->isVisible());
    Item("mnuChromium")->trigger();
    EXPECT_TRUE(Item("mnuChromium")->isChecked());
    EXPECT_EQ(Key("Chromium"), "1");

    std::filesystem::remove_all(home.Folder() + ".config/chromium");
    emit menu->aboutToShow();
    EXPECT_FALSE(Item("mnuChromium")->isVisible());
}
