// The new entry dialog over a column editor in a temporary program folder: the name change, the
// messages, the clipboard watcher, storing the entry and closing back to the editor.
#include "MainWindowTestFixture.h"

#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "controls/XPButton.h"
#include "editor/ColumnGroup.h"
#include "editor/LibraryWindow.h"
#include "editor/NewEntryDialog.h"
#include "imaging/gui/CaptureWindow.h"

#include "core/support/ScratchFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

const char* const kQuestionNoLogo =
    "Es wurde kein(e) Logo/Grafik erstellt !   \r\nDer Link wird somit nur als Textlink angezeigt.  \r\n"
    "Man kann aber später immer noch ein Logo erstellen.  \r\n\r\nSoll das erstmal so übernommen werden ?  \r\n";

class NewEntryDialogTest : public MainWindowTest {
protected:
    ~NewEntryDialogTest() override
    {
        delete dialog.data();
        QGuiApplication::clipboard()->clear();
    }

    // The editor's "Eintrag hinzufügen..." of column `index`, then the dialog as the program opens it.
    void OpenDialog(int index = 0)
    {
        if (!window) Open();
        window->show();
        window->Column(index)->cmdNewEntry->click();
        dialog = new frmNewEntry(context, *window);
        dialog->show();
    }

    QLineEdit* Box(const char* name) const { return dialog->findChild<QLineEdit*>(name); }
    QLabel* Label(const char* name) const { return dialog->findChild<QLabel*>(name); }
    void Click(const char* button) const { dialog->findChild<ccXPButton*>(button)->click(); }
    void Type(const char* box, const QString& text) const { QTest::keyClicks(Box(box), text); }
    std::string Library(const std::string& name) const { return program.dir.Take("Library/" + name); }
    bool InLibrary(const std::string& name) const { return program.dir.Has("Library/" + name); }

    // The dialog is gone and the editor is back.
    void ExpectClosed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_TRUE(window->isVisible());
    }

    QPointer<frmNewEntry> dialog;
};

} // namespace

TEST_F(NewEntryDialogTest, TypingTheNameOfAStoredEntryFillsTheDialogAndAnyOtherNameEmptiesIt)
{
    const std::string stored = "[PinCard]\r\nEntry=Heise\r\nLink=http://heise.de\r\nImage=heise.jpg\r\nInfo=News\r\n";
    program.dir.Put("Library/heise.web", stored);
    LibraryLogo("heise.jpg");
    OpenDialog();
    Type("txtEntry", "He\"#is:e");  // the name filter drops " # :
    EXPECT_EQ(Box("txtEntry")->text(), "Heise");
    EXPECT_EQ(Box("txtLink")->text(), "http://heise.de");
    EXPECT_EQ(Box("txtInfo")->text(), "News");
    EXPECT_EQ(Label("lblImage")->text(), "heise.jpg");
    EXPECT_FALSE(Label("picLogo")->pixmap().isNull());
    EXPECT_FALSE(Label("lblLogo")->isVisibleTo(dialog));
    EXPECT_FALSE(Box("txtLink")->isReadOnly());
    EXPECT_TRUE(context.Selection.EntryFromLibrary);

    Type("txtEntry", "x");
    EXPECT_EQ(Box("txtLink")->text(), "");
    EXPECT_EQ(Box("txtInfo")->text(), "(optional)");
    EXPECT_TRUE(Label("picLogo")->pixmap().isNull());
    EXPECT_TRUE(Label("lblLogo")->isVisibleTo(dialog));
    EXPECT_EQ(Label("lblImage")->text(), "heisex.jpg");
    EXPECT_FALSE(context.Selection.EntryFromLibrary);
    Box("txtEntry")->clear();
    EXPECT_TRUE(Box("txtLink")->isReadOnly());

    // Taken again and accepted with an own info: the library stays as it was, the page gets what
    // the dialog shows.
    Type("txtEntry", "HEISE");
    Box("txtInfo")->setText("Eigene Info");
    Click("ccXPButton1");
    EXPECT_EQ(Library("heise.web"), stored);
    EXPECT_EQ(PageValue("HEISE", "Link"), "http://heise.de");
    EXPECT_EQ(PageValue("HEISE", "Info"), "Eigene Info");
    EXPECT_EQ(PageValue("HEISE", "Image"), "heise.jpg");
    ExpectClosed();
}

TEST_F(NewEntryDialogTest, AcceptingAsksForWhatIsMissingThenAppendsTheEntryAfterTheColumnsCount)
{
    PageColumn(2, {"A", "B", "C", "D"});
    OpenDialog(1);

    Click("ccXPButton1");
    Type("txtEntry", "Google");
    Click("ccXPButton1");
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text, "Bitte zuerst einen Namen für den neuen Eintrag angeben. (z.B.: Google)   ");
    EXPECT_EQ(desktop.messages[1].text, "Bitte noch die erforderliche Link-Adresse kopieren. (z.B.: http://www.google.de)   ");
    EXPECT_EQ(desktop.messages[1].kind, kMessageInformation);
    EXPECT_EQ(dialog->focusWidget(), Box("txtLink"));

    // Enter in the info box does not accept; Enter in the link box does.
    Type("txtLink", "www.google.de");
    QTest::keyClick(Box("txtInfo"), Qt::Key_Return);
    EXPECT_TRUE(desktop.questions.empty());
    desktop.Answer(false);
    QTest::keyClick(Box("txtLink"), Qt::Key_Return);
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, QString::fromUtf8(kQuestionNoLogo));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(InLibrary("google.web"));

    desktop.Answer(true);
    QTest::keyClick(Box("txtEntry"), Qt::Key_Return);
    EXPECT_EQ(Library("google.web"),
              "[PinCard]\r\nEntry=Google\r\nLink=http://www.google.de\r\nImage=google.jpg\r\nInfo=Google\r\n");
    EXPECT_EQ(PageValue("Spalte2", "Count"), "5");
    EXPECT_EQ(PageValue("Spalte2", "Eintrag5"), "Google");
    EXPECT_EQ(PageValue("Google", "Link"), "http://www.google.de");
    EXPECT_EQ(Items(1), (QStringList{"A", "B", "C", "D", "Google"}));
    EXPECT_EQ(window->LinkField(1)->text(), "www.google.de");
    EXPECT_EQ(context.Selection.CurrentEntryName, "Google");
    ExpectClosed();
}

TEST_F(NewEntryDialogTest, NamesThatCannotNameTheirFilesAreRefused)
{
    OpenDialog();
    const std::string pageBefore = program.dir.Take("PnwFiles/Test.pnw");
    const char* western = "Der Name darf nur Zeichen des westeuropäischen Zeichensatzes enthalten und nicht mit "
                          "einem Leerzeichen beginnen oder enden.   ";
    const std::pair<QString, const char*> cases[] = {
        {"&&&", "Der Name muss mindestens einen Buchstaben oder eine Ziffer enthalten.   "},
        {"日本", western},
        {"Google ", western},
    };
    for (const auto& [name, message] : cases) {
        desktop.messages.clear();
        Box("txtEntry")->setText(name);
        Box("txtLink")->setText("www.example.org");
        Box("txtInfo")->setFocus();
        Click("ccXPButton1");
        ASSERT_EQ(desktop.messages.size(), 1u) << name.toStdString();
        EXPECT_EQ(desktop.messages[0].text, QString::fromUtf8(message));
        EXPECT_EQ(dialog->focusWidget(), Box("txtEntry"));
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(program.dir.Take("PnwFiles/Test.pnw"), pageBefore);
    EXPECT_FALSE(InLibrary(".web") || InLibrary("&&&.web"));

    // A pasted name loses what typing could not have entered.
    QGuiApplication::clipboard()->setText("[Spiegel]/Online");
    Box("txtEntry")->clear();
    Box("txtEntry")->paste();
    EXPECT_EQ(Box("txtEntry")->text(), "SpiegelOnline");
}

TEST_F(NewEntryDialogTest, ClipboardAddressesLandInTheLinkBoxWhileTheDialogWatches)
{
    OpenDialog();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    QLineEdit& link = *Box("txtLink");

    clipboard.setText("WWW.Example.org");
    EXPECT_TRUE(QTest::qWaitFor([&] { return link.text() == "WWW.Example.org"; }, 2000));
    EXPECT_EQ(clipboard.text(), "");
    clipboard.setText("HTTPS://EXAMPLE.ORG/a\r\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return link.text() == "HTTPS://EXAMPLE.ORG/a"; }, 2000));
    clipboard.setText("ftp://example.org");
    QTest::qWait(700);
    EXPECT_EQ(link.text(), "HTTPS://EXAMPLE.ORG/a");
    EXPECT_EQ(clipboard.text(), "ftp://example.org");

    // Hidden for a capture it still watches; waiting after the library took an entry it does not
    // until it is shown again.
    dialog->StartCapture();
    EXPECT_TRUE(dialog->WatchesClipboard());
    dialog->WaitHidden();
    EXPECT_FALSE(dialog->WatchesClipboard());
    clipboard.setText("http://later.org");
    dialog->ShowAgain();
    EXPECT_TRUE(QTest::qWaitFor([&] { return link.text() == "http://later.org"; }, 2000));

    // The placeholder goes on a click; a press on the link box without a name goes to the name.
    QTest::mousePress(Box("txtInfo"), Qt::LeftButton);
    EXPECT_EQ(Box("txtInfo")->text(), "");
    QTest::mousePress(&link, Qt::LeftButton);
    EXPECT_EQ(dialog->focusWidget(), Box("txtEntry"));
}

TEST_F(NewEntryDialogTest, ACapturedLogoReplacesOneOfTheSameNameOnlyWhenConfirmed)
{
    LibraryLogo("google.jpg", 40);
    LibraryLogo("_temp.jpg", 90);
    OpenDialog();
    Type("txtEntry", "Google");
    Type("txtLink", "www.google.de");
    dialog->ShowCapturedLogo(QString::fromStdString(context.Paths.LibraryFolder + "_temp.jpg"));
    EXPECT_FALSE(Label("lblLogo")->isVisibleTo(dialog));
    desktop.Answer(true);
    Click("ccXPButton1");
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, "Bereits vorhandene Logo-Datei 'google.jpg' durch die neu eingefangene ersetzen ? ");
    EXPECT_EQ(QImage(QString::fromStdString(context.Paths.LibraryFolder + "google.jpg")).width(), 90);
    EXPECT_FALSE(InLibrary("_temp.jpg"));
    ExpectClosed();
}

TEST_F(NewEntryDialogTest, EscapeLeavesTheDialogAndWhatWasTyped)
{
    OpenDialog();
    Type("txtEntry", "Zeit");
    Box("txtLink")->setText("zeit.de");
    for (const char* box : {"txtEntry", "txtInfo", "txtLink"}) QTest::keyClick(Box(box), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Box("txtEntry")->text() + Box("txtLink")->text(), "Zeitzeit.de");
}

TEST_F(NewEntryDialogTest, ACaptureNoEntryTookIsGoneWhenTheDialogCloses)
{
    // Cancelled, or closed through the title bar.
    for (bool titleBar : {false, true}) {
        LibraryLogo("_temp.jpg");
        OpenDialog();
        window->hide();
        titleBar ? void(dialog->close()) : Click("ccXPButton2");
        EXPECT_FALSE(InLibrary("_temp.jpg"));
        ExpectClosed();
    }

    // Accepted for a stored entry, which keeps its own logo.
    program.dir.Put("Library/heise.web", "[PinCard]\r\nEntry=Heise\r\nLink=http://heise.de\r\n");
    LibraryLogo("heise.jpg", 40);
    LibraryLogo("_temp.jpg", 90);
    OpenDialog();
    Type("txtEntry", "Heise");
    Click("ccXPButton1");
    EXPECT_FALSE(InLibrary("_temp.jpg"));
    EXPECT_EQ(QImage(QString::fromStdString(context.Paths.LibraryFolder + "heise.jpg")).width(), 40);
    ExpectClosed();
}

// The program's own windows, started on a page "Home" with "Heise" in the library.
class NewEntryDialogProgram : public testing::Test {
protected:
    NewEntryDialogProgram()
    {
        dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n");
        // Left by an earlier run whose new entry dialog was never closed.
        dir.Put("Library/_temp.jpg", "stale cut-out");
        dir.Put("Library/_temp.bmp", "stale bitmap");
        dir.Put("Library/heise.web", "[PinCard]\r\nEntry=Heise\r\nLink=http://www.heise.de\r\nImage=heise.jpg\r\n");
        WriteIni("PinwallEdit", "LastEdit", "Home", dir.Path("Pinwall-Builder.ini"));
        windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder")));
    }
    ~NewEntryDialogProgram() override
    {
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetEndProgramHandler(previousEnd);
    }

    ScratchFolder dir;
    FakeServices services;
    const std::function<void()> previousEnd = SetEndProgramHandler([] {});
    ProgramWindows windows;
};

TEST_F(NewEntryDialogProgram, TheEditorsButtonOpensTheDialogInItsPlace)
{
    // Start-up removed the earlier run's capture: the entry made below without one gets no logo.
    EXPECT_FALSE(dir.Has("Library/_temp.jpg") || dir.Has("Library/_temp.bmp"));
    frmMain& editor = windows.Editor();
    for (const char* button : {"ccXPButton2", "ccXPButton1"}) {
        editor.Column(2)->cmdNewEntry->click();
        QPointer<frmNewEntry> dialog = windows.NewEntryDialog();
        ASSERT_FALSE(dialog.isNull());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(editor.isVisible());
        if (std::string(button) == "ccXPButton1") {
            dialog->findChild<QLineEdit*>("txtEntry")->setText("Zeit");
            dialog->findChild<QLineEdit*>("txtLink")->setText("zeit.de");
            services.Answer(true);
        }
        dialog->findChild<ccXPButton*>(button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_TRUE(editor.isVisible());
    }
    EXPECT_EQ(editor.Columns()[2], std::vector<std::string>{"Zeit"});
    EXPECT_TRUE(dir.Has("Library/zeit.web"));
    EXPECT_FALSE(dir.Has("Library/zeit.jpg"));
}

// The dialog hands over to the capture and to the library browser and gets its place back.
TEST_F(NewEntryDialogProgram, CaptureAndLibraryBrowserReturnToTheDialogOrTheEditor)
{
    services.snapshot = QImage(300, 200, QImage::Format_RGB32);
    services.snapshot.fill(qRgb(200, 40, 40));
    frmMain& editor = windows.Editor();
    editor.Column(0)->cmdNewEntry->click();
    frmNewEntry* dialog = windows.NewEntryDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("txtEntry")->setText("Tagesschau");
    const QLabel* picLogo = dialog->findChild<QLabel*>("picLogo");

    // A cut-out comes back into the dialog's logo box.
    dialog->findChild<ccXPButton*>("ccXPButton3")->click();
    frmCaptureRectangle* capture = windows.Capture().Window();
    ASSERT_NE(capture, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    QTest::mousePress(capture, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(capture, {90, 40});
    QTest::mouseRelease(capture, Qt::LeftButton, {}, {90, 40});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(picLogo->pixmap().isNull());
    EXPECT_TRUE(dir.Has("Library/_temp.jpg"));

    // Escape in the next capture removes that cut-out, so the dialog no longer shows it.
    dialog->findChild<ccXPButton*>("ccXPButton3")->click();
    QTest::keyClick(windows.Capture().Window(), Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Escape);  // the repeat of the Escape still held
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dir.Has("Library/_temp.jpg"));
    EXPECT_TRUE(picLogo->pixmap().isNull());
    EXPECT_FALSE(windows.Context().Selection.LogoPresent);

    // "Abbrechen" of the browser brings the dialog back; taking an entry brings the editor.
    dialog->findChild<ccXPButton*>("ccXPButton6")->click();
    frmLibrary& library = windows.Library();
    EXPECT_TRUE(library.isVisible());
    EXPECT_FALSE(dialog->isVisible());
    library.findChild<QPushButton*>("Command2")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(library.isVisible());
    dialog->findChild<ccXPButton*>("ccXPButton6")->click();
    library.findChild<QListWidget*>("lstEntries")->setCurrentRow(0);
    library.findChild<QPushButton*>("Command1")->click();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_FALSE(library.isVisible());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->WatchesClipboard());
    EXPECT_EQ(editor.Columns()[0], std::vector<std::string>{"Heise"});
}
