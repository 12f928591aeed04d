// The editor's menus of the page decorations: one window each, brought to the front while it is
// open, and ending the program stores nothing of them.
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "common/Ini.h"
#include "editor/BackWindow.h"
#include "editor/BannerWindow.h"
#include "editor/HeadWindow.h"
#include "editor/MainWindow.h"
#include "editor/PictureChoice.h"

#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

class DecorationMenusTest : public testing::Test {
protected:
    DecorationMenusTest()
    {
        previousEnd = SetEndProgramHandler([] { QApplication::closeAllWindows(); });
        dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\nBackFile=_back01.gif\r\n"
                                     "[DirectSearch]\r\nCount=1\r\nEntry1=Wikipedia\r\n"
                                     "[Banner]\r\nCount=1\r\nEntry1=A\r\n[Footer]\r\nCount=2\r\nEntry1=A\r\nEntry2=B\r\n");
        for (const char* file : {"Back/_back01.gif", "Back/_wall01.gif", "Banner/A.gif", "Banner/B.gif"}) dir.Put(file, "");
        WriteIni("PinwallEdit", "LastEdit", "Home", dir.Path("Pinwall-Builder.ini"));
        windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder")));
    }
    ~DecorationMenusTest() override
    {
        SetEndProgramHandler(previousEnd);
        QApplication::closeAllWindows();
    }

    void Choose(std::initializer_list<const char*> menus)
    {
        for (const char* menu : menus) windows.Editor().findChild<QAction*>(menu)->trigger();
    }
    std::vector<QWidget*> Opened()
    {
        return {windows.HeaderEditor(), windows.BannerEditor(), windows.FooterEditor(), windows.Background()};
    }
    static int Count(QWidget* window, const char* list)
    {
        return window ? window->findChild<QListWidget*>(list)->count() : -1;
    }
    std::string PageText() const { return dir.Take("PnwFiles/Home.pnw"); }

    ScratchFolder dir;
    FakeServices services;
    ProgramWindows windows;
    std::function<void()> previousEnd;
};

TEST_F(DecorationMenusTest, EachMenuOpensItsWindowOnceAndAgainAfterClosing)
{
    Choose({"mnuHead", "mnuBanner", "mnuFoot", "mnuBack"});
    const std::vector<QWidget*> opened = Opened();
    for (QWidget* window : opened) ASSERT_TRUE(window && window->isVisible());
    dir.Put("Forms/New.form", "");  // a window brought to the front does not read again
    windows.HeaderEditor()->findChild<QListWidget*>("List1")->clear();

    Choose({"mnuHead", "mnuBanner", "mnuFoot", "mnuBack"});
    EXPECT_EQ(Opened(), opened);
    EXPECT_EQ(Count(windows.HeaderEditor(), "List1"), 0);
    EXPECT_EQ(Count(windows.HeaderEditor(), "File1"), 0);
    EXPECT_EQ(Count(windows.BannerEditor(), "lstBanners"), 1);
    EXPECT_EQ(Count(windows.FooterEditor(), "lstBanners"), 2);
    EXPECT_EQ(Count(windows.Background(), "File2"), 2);

    windows.HeaderEditor()->close();
    windows.FooterEditor()->close();
    Choose({"mnuHead", "mnuFoot"});
    EXPECT_TRUE(windows.HeaderEditor()->isVisible());
    EXPECT_EQ(Count(windows.HeaderEditor(), "List1"), 1);  // filled afresh from the page
    EXPECT_EQ(Count(windows.HeaderEditor(), "File1"), 1);
    EXPECT_EQ(Count(windows.FooterEditor(), "lstBanners"), 2);
}

TEST_F(DecorationMenusTest, EndingTheProgramStoresNothingOfTheOpenWindows)
{
    Choose({"mnuBack", "mnuBanner"});
    const std::string before = PageText();
    QListWidget& pictures = *windows.Background()->Choice()->Pictures();
    pictures.setCurrentRow(1);  // _wall01.gif

    windows.Editor().close();
    EXPECT_FALSE(windows.Background()->isVisible());
    EXPECT_FALSE(windows.BannerEditor()->isVisible());
    EXPECT_EQ(PageText(), before);
    EXPECT_FALSE(ProgramEnding());

    // Closed by the user, the background window does store.
    windows.Editor().show();
    Choose({"mnuBack"});
    windows.Background()->Choice()->Pictures()->setCurrentRow(1);
    windows.Background()->close();
    EXPECT_NE(PageText().find("BackFile=_wall01.gif\r\n"), std::string::npos);
}
