// The editor's menus of the page decorations: one window each, brought to the front while it is
// open; ending the program stores nothing of them, and another page opened closes them first.
#include "app/ProgramEnd.h"
#include "app/NewPageDialog.h"
#include "app/ProgramWindows.h"
#include "app/StartWindow.h"
#include "common/Ini.h"
#include "controls/XPButton.h"
#include "editor/BackWindow.h"
#include "editor/BannerWindow.h"
#include "editor/ColumnListWidget.h"
#include "editor/HeadWindow.h"
#include "editor/LinkDialog.h"
#include "editor/MainWindow.h"
#include "editor/PictureChoice.h"

#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

class DecorationMenusTest : public testing::Test {
protected:
    DecorationMenusTest()
    {
        previousEnd = SetEndProgramHandler([] { QApplication::closeAllWindows(); });
        dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\nBackFile=_back01.gif\r\n"
                                     "[DirectSearch]\r\nCount=1\r\nEntry1=Wikipedia\r\n"
                                     "[Banner]\r\nCount=1\r\nEntry1=A\r\n[Footer]\r\nCount=2\r\nEntry1=A\r\nEntry2=B\r\n"
                                     "[Spalte1]\r\nCount=1\r\nEintrag1=Heise\r\n[Heise]\r\nLink=http://heise.de\r\n");
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
    // "gespeicherte Link-Seite laden" with the page picked in the start window, or a new page.
    void OpenPage(const std::string& page, bool load)
    {
        Choose({load ? "mnuLoad" : "mnuNew"});
        QListWidget* list = load ? windows.StartWindow()->PageList() : nullptr;
        if (load) list->setCurrentItem(list->findItems(QString::fromStdString(page), Qt::MatchExactly).front());
        load ? windows.StartWindow()->OpenPickedPage() : windows.NewPageDialog()->NameField()->setText(QString::fromStdString(page));
        if (!load) windows.NewPageDialog()->CreateNewPage();
    }

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
}

TEST_F(DecorationMenusTest, AnotherPageOpenedOrCreatedClosesThePagesWindowsFirst)
{
    dir.Put("PnwFiles/Reise.pnw", "[Main]\r\nColumns=2\r\n");
    const char* const menus[] = {"mnuHead", "mnuBanner", "mnuFoot", "mnuBack", nullptr};  // the link dialog last
    int created = 0;
    for (int w = 0; w < 5; ++w) {
        for (const bool load : {true, false}) {
            SCOPED_TRACE(std::to_string(w) + (load ? " load" : " new"));
            OpenPage("Home", true);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the last link dialog
            QPointer<QWidget> window;
            if (menus[w]) {  // a choice made and not yet stored: another row of its first list
                Choose({menus[w]});
                window = Opened()[w];
                QListWidget& list = *window->findChild<QListWidget*>();
                list.setCurrentRow(1 - list.currentRow());
            } else {
                windows.Editor().ColumnList(0)->setCurrentRow(0);
                windows.Editor().PickEntry(0, Qt::LeftButton);
                QTest::mousePress(windows.Editor().LinkField(0), Qt::LeftButton);
                window = windows.LinkDialog();
                window->findChild<QLineEdit*>("txtLink")->setText("http://anders.de");
            }
            const std::string home = PageText();

            const std::string next = load ? "Reise" : "Neu" + std::to_string(++created);
            OpenPage(next, load);
            const std::string nextBytes = dir.Take("PnwFiles/" + next + ".pnw");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(!window || !window->isVisible());
            // A window left open would store into the next page with its "Übernehmen" or its close.
            if (window && window->isVisible()) {
                for (ccXPButton* button : window->findChildren<ccXPButton*>())
                    if (button->caption() == QStringLiteral("Übernehmen")) button->click();
                if (window) window->close();
            }
            EXPECT_EQ(dir.Take("PnwFiles/" + next + ".pnw"), nextBytes);
            EXPECT_EQ(PageText() != home, w == 3);  // only the background stores
        }
    }
}
