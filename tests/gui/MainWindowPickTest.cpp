// Picking an entry in the column editor: link, logo with the repair of stale logo names, the
// pop-up menu, and handing the picked entry to the capture and the link dialog.
#include "MainWindowTestFixture.h"

#include "controls/XPButton.h"
#include "editor/ColumnGroup.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

class MainWindowPick : public MainWindowTest {
protected:
    MainWindowPick()
    {
        PageColumn(1, {"Google", "Web de"});
        PageKey("Web de", "Link", "http://web.de");
        PageKey("Web de", "Image", "old logo.jpg");
    }

    void PickWebDe()
    {
        Open();
        Select(0, 1);
        window->PickEntry(0, Qt::LeftButton);
    }

    bool LogoShown(int index) const
    {
        return !window->LogoPicture(index)->pixmap().isNull() && window->LogoLabel(index)->isHidden();
    }
    bool CaptureLabelShown(int index) const
    {
        return window->LogoPicture(index)->pixmap().isNull() && !window->LogoLabel(index)->isHidden();
    }
};

} // namespace

TEST_F(MainWindowPick, ShowsTheLinkAndTheLogoNamedWithUnderscores)
{
    LibraryLogo("old_logo.jpg");
    LibraryLogo("web_de.jpg");
    PickWebDe();
    EXPECT_EQ(window->LinkField(0)->text(), "http://web.de");
    EXPECT_TRUE(LogoShown(0));
    EXPECT_EQ(window->LogoPicture(0)->pixmap().width(), 40);
    EXPECT_EQ(PageValue("Web de", "Image"), "old logo.jpg");
    EXPECT_EQ(context.Selection.CurrentEntryName, "Web de");
    EXPECT_EQ(context.Selection.TargetColumn, 1);
}

TEST_F(MainWindowPick, AStaleLogoNameIsRepairedToTheEntrysOwnLogo)
{
    LibraryLogo("web_de.jpg");
    PickWebDe();
    EXPECT_TRUE(LogoShown(0));
    EXPECT_EQ(PageValue("Web de", "Image"), "web_de.jpg");
}

TEST_F(MainWindowPick, WithoutAnyLogoFileTheCaptureLabelShows)
{
    PickWebDe();
    EXPECT_TRUE(CaptureLabelShown(0));
    EXPECT_EQ(PageValue("Web de", "Image"), "old logo.jpg");
}

TEST_F(MainWindowPick, ALogoNameWithAPathCountsAsMissing)
{
    LibraryLogo("outside.jpg");  // also in the library, where a plain name would find it
    PageKey("Web de", "Image", "../Library/outside.jpg");
    PickWebDe();
    EXPECT_TRUE(CaptureLabelShown(0));

    LibraryLogo("web_de.jpg");
    window->PickEntry(0, Qt::LeftButton);
    EXPECT_TRUE(LogoShown(0));
    EXPECT_EQ(PageValue("Web de", "Image"), "web_de.jpg");
}

TEST_F(MainWindowPick, AnEntryWithoutLogoClearsTheLogoOfTheEntryBefore)
{
    LibraryLogo("old_logo.jpg");
    PickWebDe();
    ASSERT_TRUE(LogoShown(0));
    Select(0, 0);
    window->PickEntry(0, Qt::LeftButton);
    EXPECT_TRUE(CaptureLabelShown(0));
    EXPECT_EQ(window->LinkField(0)->text(), "");
}

TEST_F(MainWindowPick, PopupOffersOnlyTheOtherShownColumns)
{
    PageKey("Main", "Columns", "4");
    PageColumn(3, {"Drei"});
    Open();
    EXPECT_FALSE(window->PreparePopup(2));  // nothing picked in column 3 yet

    Select(2, 0);
    ASSERT_TRUE(window->PreparePopup(2));
    const bool expected[] = {true, true, false, true, false, false};
    for (int target = 0; target < 6; ++target) {
        QAction* move = window->findChild<QAction*>(QString("mnuMove%1").arg(target));
        ASSERT_NE(move, nullptr);
        EXPECT_EQ(move->text(), QString("Umbewegen in Spalte %1").arg(target + 1));
        EXPECT_EQ(move->isEnabled(), expected[target]) << "Spalte " << target + 1;
    }
    EXPECT_TRUE(window->findChild<QAction*>("mnuDelete")->isEnabled());
}

TEST_F(MainWindowPick, RightClickKeepsTheSelectionAndOpensThePopup)
{
    Open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ColumnListWidget& list = *window->ColumnList(0);

    // Without a picked entry a right click does nothing.
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(SelectedRow(list), -1);
    EXPECT_FALSE(window->PopupMenu()->isVisible());

    Select(0, 0);
    context.Selection.TargetColumn = 5;
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(SelectedRow(list), 0);
    EXPECT_EQ(context.Selection.TargetColumn, 1);
    EXPECT_EQ(context.Selection.CurrentEntryName, "Google");
    EXPECT_TRUE(window->PopupMenu()->isVisible());
    window->PopupMenu()->close();

    // The left button picks what it points at.
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(context.Selection.CurrentEntryName, "Web de");
    EXPECT_EQ(window->LinkField(0)->text(), "http://web.de");
}

TEST_F(MainWindowPick, LinkFieldHandsTheEntryToTheLinkDialog)
{
    PickWebDe();
    QSignalSpy dialog(window.get(), &frmMain::linkDialogRequested);
    QTest::mousePress(window->LinkField(0), Qt::LeftButton);
    ASSERT_EQ(dialog.count(), 1);
    EXPECT_EQ(context.Selection.LinkBefore, "http://web.de");
    EXPECT_EQ(context.Selection.InfoBefore, "(optional)");

    PageKey("Web de", "Info", "Mail und mehr");
    QTest::mousePress(window->LinkField(0), Qt::LeftButton);
    EXPECT_EQ(context.Selection.InfoBefore, "Mail und mehr");

    // Column 2 has nothing picked: no dialog.
    QTest::mousePress(window->LinkField(1), Qt::LeftButton);
    EXPECT_EQ(dialog.count(), 2);
    EXPECT_EQ(context.Selection.TargetColumn, 2);
}

TEST_F(MainWindowPick, LogoClickStartsACaptureForThePickedEntryWithTheEditorHidden)
{
    Open();
    window->show();
    QSignalSpy capture(window.get(), &frmMain::captureRequested);
    bool hiddenWhenAsked = false;
    QObject::connect(window.get(), &frmMain::captureRequested, [&] { hiddenWhenAsked = window->isHidden(); });

    QTest::mousePress(window->LogoLabel(0), Qt::LeftButton);
    EXPECT_EQ(capture.count(), 0);
    EXPECT_TRUE(window->isVisible());

    Select(0, 1);
    for (QWidget* logo : {static_cast<QWidget*>(window->LogoLabel(0)), static_cast<QWidget*>(window->LogoPicture(0))}) {
        QTest::mousePress(logo, Qt::RightButton);
        QTest::mousePress(logo, Qt::MiddleButton);
    }
    EXPECT_EQ(capture.count(), 0) << "only the left button starts a capture";
    EXPECT_TRUE(window->isVisible());

    QTest::mousePress(window->LogoLabel(0), Qt::LeftButton);
    ASSERT_EQ(capture.count(), 1);
    EXPECT_TRUE(hiddenWhenAsked);
    EXPECT_EQ(context.Selection.CaptureCaller, 2);
    EXPECT_EQ(context.Selection.CurrentEntryName, "Web de");
}

TEST_F(MainWindowPick, NewEntryButtonPreparesTheSelectionForTheDialog)
{
    Open();
    context.Selection.LogoPresent = true;
    context.Selection.EntryFromLibrary = true;
    context.Selection.LibraryImage = "x.jpg";
    QSignalSpy dialog(window.get(), &frmMain::newEntryRequested);
    window->Column(0)->cmdNewEntry->click();
    ASSERT_EQ(dialog.count(), 1);
    EXPECT_EQ(context.Selection.TargetColumn, 1);
    EXPECT_EQ(context.Selection.TargetColumnCount, 2);
    EXPECT_FALSE(context.Selection.LogoPresent);
    EXPECT_FALSE(context.Selection.EntryFromLibrary);
    EXPECT_EQ(context.Selection.LibraryImage, "");
}
