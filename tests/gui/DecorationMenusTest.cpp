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
        dir.Put("Back/_back01.gif", "");
        dir.Put("Back/_wall01.gif", "");
        dir.Put("Banner/A.gif", "");
        dir.Put("Banner/B.gif", "");
        WriteIni("PinwallEdit", "LastEdit", "Home", dir.Path("Pinwall-Builder.ini"));
        windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder")));
    }
    ~DecorationMenusTest() override
    {
        SetEndProgramHandler(previousEnd);
        QApplication::closeAllWindows();
    }

    void Choose(const char* menu)
    {
        QAction* action = windows.Editor().findChild<QAction*>(menu);
        ASSERT_NE(action, nullptr) << menu;
        action->trigger();
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
    Choose("mnuHead");
    Choose("mnuBanner");
    Choose("mnuFoot");
    Choose("mnuBack");
    QWidget* const opened[] = {windows.HeaderEditor(), windows.BannerEditor(), windows.FooterEditor(),
                               windows.Background()};
    for (QWidget* window : opened) {
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
    }
    EXPECT_EQ(windows.FooterEditor()->objectName(), "frmFoot");
    dir.Put("Forms/New.form", "");  // a window brought to the front does not read again
    windows.HeaderEditor()->findChild<QListWidget*>("List1")->clear();

    Choose("mnuHead");
    Choose("mnuBanner");
    Choose("mnuFoot");
    Choose("mnuBack");
    EXPECT_EQ(windows.HeaderEditor(), opened[0]);
    EXPECT_EQ(windows.Background(), opened[3]);
    EXPECT_EQ(Count(windows.HeaderEditor(), "List1"), 0);
    EXPECT_EQ(Count(windows.HeaderEditor(), "File1"), 0);
    EXPECT_EQ(Count(windows.BannerEditor(), "lstBanners"), 1);
    EXPECT_EQ(Count(windows.FooterEditor(), "lstBanners"), 2);
    EXPECT_EQ(Count(windows.Background(), "File2"), 2);

    windows.HeaderEditor()->close();
    windows.FooterEditor()->close();
    Choose("mnuHead");
    Choose("mnuFoot");
    EXPECT_TRUE(windows.HeaderEditor()->isVisible());
    EXPECT_EQ(Count(windows.HeaderEditor(), "List1"), 1);  // filled afresh from the page
    EXPECT_EQ(Count(windows.HeaderEditor(), "File1"), 1);
    EXPECT_EQ(Count(windows.FooterEditor(), "lstBanners"), 2);
}

TEST_F(DecorationMenusTest, EndingTheProgramStoresNothingOfTheOpenWindows)
{
    Choose("mnuBack");
    Choose("mnuBanner");
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
    Choose("mnuBack");
    windows.Background()->Choice()->Pictures()->setCurrentRow(1);
    windows.Background()->close();
    EXPECT_NE(PageText().find("BackFile=_wall01.gif\r\n"), std::string::npos);
    EXPECT_NE(PageText().find("UseBack=1\r\n"), std::string::npos);
}
