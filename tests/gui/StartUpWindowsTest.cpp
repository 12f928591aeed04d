// Start-up into the right window, the start window and the new page dialog, in a temporary
// program folder.
#include "app/NewPageDialog.h"
#include "app/PreviewLayout.h"
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "app/StartWindow.h"
#include "common/Ini.h"
#include "controls/XPButton.h"
#include "editor/MainWindow.h"

#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

class StartUpWindowsTest : public testing::Test {
protected:
    StartUpWindowsTest()
    {
        previousEnd = SetEndProgramHandler([this] { ++programEnds; });
    }
    ~StartUpWindowsTest() override
    {
        SetEndProgramHandler(previousEnd);
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string Settings() const { return dir.Path("Pinwall-Builder.ini"); }
    void PutPage(const std::string& name, const std::string& text = "[Main]\r\nColumns=3\r\n")
    {
        dir.Put("PnwFiles/" + name + ".pnw", text);
    }
    FirstWindow Start() { return windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder"))); }
    static ccXPButton* Button(QWidget& window, const char* name) { return window.findChild<ccXPButton*>(name); }
    QStringList ListedPages(frmStart& start)
    {
        QStringList names;
        for (int i = 0; i < start.PageList()->count(); ++i) names << start.PageList()->item(i)->text();
        return names;
    }

    ScratchFolder dir;
    FakeServices services;
    ProgramWindows windows;
    int programEnds = 0;
    std::function<void()> previousEnd;
};

TEST_F(StartUpWindowsTest, FirstRunShowsTheNewPageDialogAndCancellingItEndsTheProgram)
{
    EXPECT_EQ(Start(), FirstWindow::NewPageDialog);
    EXPECT_TRUE(dir.Has("PnwFiles") && dir.Has("Pinwall") && dir.Has("Banner") && dir.Has("Forms"));
    frmNewPage* dialog = windows.NewPageDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(windows.Editor().isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Neue Pinwall-Seite erstellen");
    EXPECT_EQ(dialog->NameField()->text(), "Pinwall");

    dialog->close();  // the window's close button
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(StartUpWindowsTest, TheLastPageOpensInTheEditorWithItsPreviewSetting)
{
    PutPage("Home", "[Main]\r\nColumns=4\r\n[Spalte3]\r\nCount=1\r\nEintrag1=Heise\r\n[StartPage]\r\nFF=1\r\n");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    WriteIni("PinwallEdit", "Preview", "0", Settings());
    EXPECT_EQ(Start(), FirstWindow::Editor);
    frmMain& editor = windows.Editor();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), "Kestrel Pinwall-Builder - Home");
    EXPECT_FALSE(editor.PreviewChecked());
    EXPECT_EQ(editor.Columns()[2], std::vector<std::string>{"Heise"});
    EXPECT_TRUE(editor.Marks().FF);
    EXPECT_EQ(editor.width(), 10320 / 15);
    EXPECT_TRUE(dir.Has("Pinwall/Home/images"));
}

TEST_F(StartUpWindowsTest, AGoneLastPageShowsTheStartWindowWhoseCancelEndsTheProgram)
{
    PutPage("Arbeit");
    PutPage("Work");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    EXPECT_EQ(Start(), FirstWindow::StartWindow);
    frmStart* start = windows.StartWindow();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(ListedPages(*start), (QStringList{"Arbeit", "Work"}));
    Button(*start, "ccXPButton1")->click();  // "Abbrechen"
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(programEnds, 1);
}

TEST_F(StartUpWindowsTest, PickingAPageOpensItRecordsItAndAppliesNoPreviewSetting)
{
    PutPage("Arbeit", "[Main]\r\nColumns=5\r\n[Spalte1]\r\nCount=2\r\nEintrag1=A\r\nEintrag2=B\r\n");
    WriteIni("PinwallEdit", "LastEdit", "Gone", Settings());
    WriteIni("PinwallEdit", "Preview", "0", Settings());
    Start();
    frmStart* start = windows.StartWindow();
    ASSERT_NE(start, nullptr);

    start->OpenPickedPage();  // nothing picked: nothing happens
    EXPECT_TRUE(start->isVisible());
    start->PageList()->setCurrentRow(0);
    start->PageList()->clearSelection();
    start->OpenPickedPage();  // nothing picked: nothing happens
    EXPECT_TRUE(start->isVisible());

    QListWidget* list = start->PageList();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    frmMain& editor = windows.Editor();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), "Kestrel Pinwall-Builder - Arbeit");
    EXPECT_TRUE(editor.PreviewChecked());
    EXPECT_EQ(editor.Columns()[0], (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(windows.Context().Page.Columns, 5);
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", Settings()), "Arbeit");
    EXPECT_EQ(programEnds, 0);
}

TEST_F(StartUpWindowsTest, ADoubleClickOnAPageNameOpensIt)
{
    PutPage("Arbeit");
    Start();
    frmStart& start = windows.ShowStartWindow();
    start.PageList()->setCurrentRow(0);
    emit start.PageList()->itemDoubleClicked(start.PageList()->item(0));
    EXPECT_TRUE(windows.Editor().isVisible());
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", Settings()), "Arbeit");
}

TEST_F(StartUpWindowsTest, TheStartWindowFromTheMenuIsFilledEachTimeAndItsCancelKeepsTheEditor)
{
    PutPage("Home");
    PutPage("Work");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    Start();
    frmStart& start = windows.ShowStartWindow();
    windows.ShowStartWindow();
    EXPECT_EQ(ListedPages(start), (QStringList{"Home", "Work", "Home", "Work"}));
    Button(start, "ccXPButton1")->click();  // "Abbrechen"
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(windows.Editor().isVisible());
    EXPECT_EQ(ListedPages(windows.ShowStartWindow()), (QStringList{"Home", "Work"})) << "a closed window is gone";
}

TEST_F(StartUpWindowsTest, EveryWayOutOfTheStartWindowClosesIt)
{
    PutPage("Home");
    PutPage("Work");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    Start();
    const auto pick = [](frmStart& start) {
        start.PageList()->setCurrentRow(1);
        return start.PageList();
    };
    const std::vector<std::pair<const char*, std::function<void(frmStart&)>>> ways = {
        {"Abbrechen", [](frmStart& start) { Button(start, "ccXPButton1")->click(); }},
        {"Escape", [](frmStart& start) { QTest::keyClick(start.PageList(), Qt::Key_Escape); }},
        {"close button", [](frmStart& start) { start.close(); }},
        {"Laden...", [&](frmStart& start) { pick(start); Button(start, "ccXPButton2")->click(); }},
        {"Enter", [&](frmStart& start) { QTest::keyClick(pick(start), Qt::Key_Return); }},
        {"double click",
         [&](frmStart& start) {
             QListWidget* list = pick(start);
             const QPoint where = list->visualItemRect(list->item(1)).center();
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
             QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
             QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, where);
         }},
    };
    for (const auto& [way, leave] : ways) {
        QPointer<frmStart> start = &windows.ShowStartWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
        leave(*start);
        EXPECT_TRUE(!start || start->isHidden()) << way;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(start.isNull()) << way;
        EXPECT_TRUE(windows.Editor().isVisible()) << way;
    }
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", Settings()), "Work");
}

TEST_F(StartUpWindowsTest, ANewPageWithTheNameOfAnExistingPageIsRefusedAndCancelReturnsToTheEditor)
{
    PutPage("Home", "[Main]\r\nColumns=4\r\n");
    PutPage("Work");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    Start();
    windows.Context().NewPageFromEditor = true;
    frmNewPage& dialog = windows.ShowNewPageDialog();
    dialog.NameField()->setText("Work");
    dialog.NameField()->setCursorPosition(0);
    dialog.CreateNewPage();

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Datei existiert bereits. Bitte Bezeichnung ändern.   ");
    EXPECT_EQ(services.messages[0].kind, 1);
    EXPECT_EQ(services.messages[0].title, "Kestrel Pinwall-Builder");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.NameField()->cursorPosition(), 4);
    EXPECT_EQ(windows.Context().Page.PageName, "Home");
    EXPECT_EQ(windows.Context().Page.Columns, 4);

    dialog.CancelNewPage();
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(windows.Editor().isVisible());
}

TEST_F(StartUpWindowsTest, EveryWayOutOfTheNewPageDialogClosesIt)
{
    PutPage("Home");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    Start();
    windows.Context().NewPageFromEditor = true;
    const std::vector<std::pair<const char*, std::function<void(frmNewPage&)>>> ways = {
        {"Abbrechen", [](frmNewPage& dialog) { Button(dialog, "ccXPButton2")->click(); }},
        {"Escape", [](frmNewPage& dialog) { QTest::keyClick(dialog.NameField(), Qt::Key_Escape); }},
        {"close button", [](frmNewPage& dialog) { dialog.close(); }},
        {"Übernehmen",
         [](frmNewPage& dialog) {
             dialog.NameField()->setText("Reisen");
             Button(dialog, "ccXPButton1")->click();
         }},
        {"Enter",
         [](frmNewPage& dialog) {
             dialog.NameField()->setText("Sport");
             QTest::keyClick(dialog.NameField(), Qt::Key_Return);
         }},
    };
    for (const auto& [way, leave] : ways) {
        QPointer<frmNewPage> dialog = &windows.ShowNewPageDialog();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(dialog->NameField()->text(), "Pinwall") << way << ": a new dialog each time";
        leave(*dialog);
        EXPECT_TRUE(!dialog || dialog->isHidden()) << way;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull()) << way;
        EXPECT_TRUE(windows.Editor().isVisible()) << way;
    }
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(dir.Has("PnwFiles/Reisen.pnw") && dir.Has("PnwFiles/Sport.pnw"));
    EXPECT_EQ(windows.Editor().windowTitle(), "Kestrel Pinwall-Builder - Sport");
}

TEST_F(StartUpWindowsTest, ANewPageIsCreatedEmptyWithThreeColumnsAndNotRecorded)
{
    PutPage("Home", "[Main]\r\nColumns=5\r\n[Spalte1]\r\nCount=1\r\nEintrag1=A\r\n");
    WriteIni("PinwallEdit", "LastEdit", "Home", Settings());
    Start();
    frmNewPage& dialog = windows.ShowNewPageDialog();
    dialog.NameField()->setText("Reisen");
    dialog.CreateNewPage();

    EXPECT_EQ(dir.Take("PnwFiles/Reisen.pnw"), "[Main]\r\nColumns=3\r\n");
    EXPECT_TRUE(dir.Has("Pinwall/Reisen/images"));
    EXPECT_EQ(windows.Context().Page.PageName, "Reisen");
    EXPECT_EQ(windows.Context().Page.Columns, 3);
    EXPECT_EQ(windows.Editor().windowTitle(), "Kestrel Pinwall-Builder - Reisen");
    EXPECT_TRUE(windows.Editor().Columns()[0].empty());
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", Settings()), "Home");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StartUpWindowsTest, ANameThatCannotBeAFileNameIsRefusedBeforeAnythingIsMade)
{
    Start();
    frmNewPage* dialog = windows.NewPageDialog();
    ASSERT_NE(dialog, nullptr);
    for (const char* bad : {"../outside", "a/b", "what?", "pipe|"}) {
        dialog->NameField()->setText(bad);
        dialog->CreateNewPage();
    }
    ASSERT_EQ(services.messages.size(), 4u);
    for (const RecordedMessage& message : services.messages) {
        EXPECT_EQ(message.text, "Die Bezeichnung darf keines der Zeichen \\ / : * ? \" < > | enthalten.   ");
        EXPECT_EQ(message.kind, 1);
    }
    EXPECT_FALSE(dir.Has("outside"));
    EXPECT_FALSE(dir.Has("Pinwall/a"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path("PnwFiles")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->NameField()->cursorPosition(), 5);
}

TEST_F(StartUpWindowsTest, ANameThatWouldNotComeBackFromTheSettingsFileIsRefused)
{
    Start();
    frmNewPage* dialog = windows.NewPageDialog();
    ASSERT_NE(dialog, nullptr);
    const QStringList bad = {" Reisen", "Reisen ", "Reisen.", ".", "..", "Łódź", "日本", "Rei\u0301sen"};
    for (const QString& name : bad) {
        dialog->NameField()->setText(name);
        dialog->NameField()->setCursorPosition(0);
        services.messages.clear();
        dialog->CreateNewPage();
        ASSERT_EQ(services.messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(services.messages[0].text,
                  "Die Bezeichnung darf nur Zeichen des westeuropäischen Zeichensatzes enthalten und weder mit "
                  "einem Leerzeichen beginnen oder enden noch mit einem Punkt enden.   ");
        EXPECT_EQ(services.messages[0].kind, 1);
        EXPECT_EQ(dialog->NameField()->cursorPosition(), name.size()) << name.toStdString();
        EXPECT_EQ(dialog->focusWidget(), dialog->NameField());
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path("PnwFiles")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path("Pinwall"))) << "no folder made for a refused name";

    dialog->NameField()->setText(".Café 2€ Müller-Lüdenscheidt");
    services.messages.clear();
    dialog->CreateNewPage();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(dir.Has("PnwFiles/.Café 2€ Müller-Lüdenscheidt.pnw"));
}

TEST_F(StartUpWindowsTest, TypedNamesPassTheNameFilter)
{
    Start();
    QLineEdit* field = windows.NewPageDialog()->NameField();
    field->clear();
    QTest::keyClicks(field, "Mein/Link:Seite*<>?|");
    EXPECT_EQ(field->text(), "MeinLinkSeite?|");
}

TEST(PreviewWindow, TheBrowserGetsTheWindowSizeLessItsMargins)
{
    EXPECT_EQ(PreviewBrowserSize(QSize(400, 267), QSize(10, 10)), QSize(392, 237));  // 6000 x 4000 twips
    EXPECT_EQ(PreviewBrowserSize(QSize(5, 20), QSize(10, 10)), QSize(10, 10));       // negative: not applied
}
