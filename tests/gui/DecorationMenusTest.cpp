// The editor's menus of the page decorations: one window each, brought to the front while it is
// open; ending the program stores nothing of them, and another page opened closes them first.
#include "app/ProgramEnd.h"
#include "app/NewPageDialog.h"
#include "app/ProgramWindows.h"
#include "app/StartWindow.h"
#include "common/Ini.h"
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
    // "gespeicherte Link-Seite laden" with the page picked in the start window.
    void Load(const char* page)
    {
        Choose({"mnuLoad"});
        QListWidget* list = windows.StartWindow()->PageList();
        list->setCurrentItem(list->findItems(page, Qt::MatchExactly).front());
        windows.StartWindow()->OpenPickedPage();
    }
    void Create(const QString& page)
    {
        Choose({"mnuNew"});
        windows.NewPageDialog()->NameField()->setText(page);
        windows.NewPageDialog()->CreateNewPage();
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
    struct PageWindow {
        const char* name;
        std::function<QWidget*()> open;       // on Home, with a choice made and not yet stored
        std::function<void(QWidget*)> store;  // how the window stores while it is open
        bool storesOnClose;
    };
    const std::vector<PageWindow> pageWindows = {
        {"header", [this] { Choose({"mnuHead"}); windows.HeaderEditor()->findChild<QListWidget*>("List1")->clear(); return windows.HeaderEditor(); },
         [](QWidget* w) { static_cast<frmHead*>(w)->Store(); }, false},
        {"banner", [this] { Choose({"mnuBanner"}); windows.BannerEditor()->findChild<QListWidget*>("lstBanners")->clear(); return windows.BannerEditor(); },
         [](QWidget* w) { static_cast<frmBanner*>(w)->Store(); }, false},
        {"footer", [this] { Choose({"mnuFoot"}); windows.FooterEditor()->findChild<QListWidget*>("lstBanners")->clear(); return windows.FooterEditor(); },
         [](QWidget* w) { static_cast<frmBanner*>(w)->Store(); }, false},
        {"background", [this] {
             Choose({"mnuBack"});
             QListWidget& pictures = *windows.Background()->Choice()->Pictures();
             pictures.setCurrentRow(1 - pictures.currentRow());  // the other of its two pictures
             return windows.Background(); },
         [](QWidget* w) { w->close(); }, true},
        {"link", [this] {
             windows.Editor().ColumnList(0)->setCurrentRow(0);
             windows.Editor().PickEntry(0, Qt::LeftButton);
             QTest::mousePress(windows.Editor().LinkField(0), Qt::LeftButton);
             windows.LinkDialog()->findChild<QLineEdit*>("txtLink")->setText("http://anders.de");
             return windows.LinkDialog(); },
         [](QWidget* w) { static_cast<frmLink*>(w)->ApplyChange(); }, false},
    };
    int created = 0;
    for (const PageWindow& pageWindow : pageWindows) {
        for (const bool load : {true, false}) {
            SCOPED_TRACE(std::string(pageWindow.name) + (load ? " load" : " new"));
            Load("Home");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the last link dialog
            QPointer<QWidget> window = pageWindow.open();
            ASSERT_TRUE(window && window->isVisible());
            const std::string home = PageText();

            const std::string next = load ? "PnwFiles/Reise.pnw" : "PnwFiles/Neu" + std::to_string(++created) + ".pnw";
            load ? Load("Reise") : Create(QString::fromStdString(next.substr(9, next.size() - 13)));
            ASSERT_TRUE(dir.Has(next));
            const std::string nextBytes = dir.Take(next);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(!window || !window->isVisible());
            if (window && window->isVisible()) pageWindow.store(window);
            EXPECT_EQ(dir.Take(next), nextBytes);
            EXPECT_EQ(PageText() != home, pageWindow.storesOnClose);
        }
    }
}
