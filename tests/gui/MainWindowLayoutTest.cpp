// The column editor's layout for 2 to 6 columns, the column count option, the preview box, its
// menus and what it tells assistive technology.
#include "MainWindowTestFixture.h"

#include "controls/XPButton.h"
#include "editor/ColumnGroup.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << (action->isSeparator() ? QString("-") : action->text());
    return captions;
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

TEST_F(MainWindowTest, WidthsAndShownColumnsFollowTheColumnCount)
{
    struct Expected {
        int columns, width, bottomWidth;
    };
    Open();
    // Twips / 15: 7800, 10320, 12840, 15360 wide; the bottom frame 220 twips narrower.
    for (const Expected& e : {Expected{2, 520, 505}, {3, 520, 505}, {4, 688, 673}, {5, 856, 841}, {6, 1024, 1009}}) {
        context.Page.Columns = static_cast<std::int16_t>(e.columns);
        window->SetColumns();
        EXPECT_EQ(window->width(), e.width) << e.columns;
        EXPECT_EQ(window->findChild<QFrame*>("fraBottom")->width(), e.bottomWidth) << e.columns;
        for (int index = 0; index < 6; ++index)
            EXPECT_EQ(window->Column(index)->isHidden(), index >= e.columns) << e.columns << " columns, frame " << index;
        EXPECT_TRUE(window->findChild<QRadioButton*>(QString("optCol%1").arg(e.columns))->isChecked());
    }
    // Laying out never writes the count; the page file still has the 3 it was created with.
    EXPECT_EQ(PageValue("Main", "Columns"), "3");
}

TEST_F(MainWindowTest, ChoosingAColumnCountWritesItAtOnceAndKeepsHiddenEntries)
{
    PageKey("Main", "Columns", "5");
    PageColumn(4, {"Vier"});
    PageColumn(5, {"Fuenf", "Fuenf b"});
    Open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::mouseClick(window->findChild<QRadioButton*>("optCol3"), Qt::LeftButton);
    EXPECT_EQ(PageValue("Main", "Columns"), "3");
    EXPECT_EQ(context.Page.Columns, 3);
    EXPECT_EQ(window->width(), 520);
    EXPECT_TRUE(window->Column(3)->isHidden());
    EXPECT_TRUE(window->Column(4)->isHidden());
    EXPECT_EQ(Items(4), QStringList({"Fuenf", "Fuenf b"}));
    EXPECT_EQ(PageValue("Spalte5", "Eintrag2"), "Fuenf b");
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>("dummy"));

    QTest::mouseClick(window->findChild<QRadioButton*>("optCol5"), Qt::LeftButton);
    EXPECT_EQ(PageValue("Main", "Columns"), "5");
    EXPECT_FALSE(window->Column(4)->isHidden());
    EXPECT_EQ(window->Columns()[3], std::vector<std::string>{"Vier"});

    // The keyboard and assistive technology check an option without clicking it.
    window->findChild<QRadioButton*>("optCol6")->toggle();
    EXPECT_EQ(PageValue("Main", "Columns"), "6");
    EXPECT_FALSE(window->Column(5)->isHidden());
}

TEST_F(MainWindowTest, PreviewBoxWritesTheSettingsFileOnlyWhenClicked)
{
    Open();
    const std::string& settings = context.Paths.SettingsFile;
    EXPECT_TRUE(window->PreviewChecked());
    window->SetPreviewChecked(false);
    window->SetPreviewChecked(true);
    EXPECT_FALSE(FileExists(settings));

    auto* box = window->findChild<QCheckBox*>("chkPreview");
    box->click();
    EXPECT_EQ(ReadIni("PinwallEdit", "Preview", settings), "0");
    box->click();
    EXPECT_EQ(ReadIni("PinwallEdit", "Preview", settings), "1");
}

TEST_F(MainWindowTest, MenuBarAndPopupCarryTheirCaptions)
{
    Open();
    EXPECT_EQ(Captions(window->menuBar()->actions()),
              QStringList({"Kopfzeile", "Bannerzeile", "Fusszeile", "Hintergrund", "Startseite", "Pinwall"}));
    EXPECT_EQ(Captions(window->findChild<QMenu*>("mnuStart")->actions()),
              QStringList({QString::fromUtf8("für Internet Explorer"), QString::fromUtf8("für Mozilla FireFox"),
                           QString::fromUtf8("für Opera"), QString::fromUtf8("für Google Chrome"),
                           QString::fromUtf8("für Chromium"), QString::fromUtf8("für Brave"),
                           QString::fromUtf8("für Microsoft Edge"), QString::fromUtf8("für Vivaldi"),
                           QString::fromUtf8("für Opera (ab Version 15)")}));
    EXPECT_EQ(Captions(window->findChild<QMenu*>("mnuPnw")->actions()),
              QStringList({"Neue Link-Seite erstellen", "gespeicherte Link-Seite laden", "Lesezeichen importieren..."}));
    EXPECT_EQ(Captions(window->PopupMenu()->actions()).last(), "Eintrag entfernen");
    EXPECT_EQ(Captions(window->PopupMenu()->actions()).size(), 8);
}

TEST_F(MainWindowTest, MenusAskForTheirWindows)
{
    Open();
    QSignalSpy newPage(window.get(), &frmMain::newPageRequested);
    QSignalSpy header(window.get(), &frmMain::headerEditorRequested);
    QSignalSpy startPage(window.get(), &frmMain::startPageRequested);
    window->findChild<QAction*>("mnuNew")->trigger();
    window->findChild<QAction*>("mnuHead")->trigger();
    EXPECT_EQ(newPage.count(), 1);
    EXPECT_TRUE(context.NewPageFromEditor);
    EXPECT_EQ(header.count(), 1);

    // The mark of a start page entry is the installer's to change, not the click's.
    window->SetMarks({false, true, false});
    window->findChild<QAction*>("mnuFF")->trigger();
    window->findChild<QAction*>("mnuOP")->trigger();
    ASSERT_EQ(startPage.count(), 2);
    EXPECT_EQ(startPage[0][0].toInt(), 1);
    EXPECT_EQ(startPage[1][0].toInt(), 2);
    const StartPageMarks marks = window->Marks();
    EXPECT_FALSE(marks.IE);
    EXPECT_TRUE(marks.FF);
    EXPECT_FALSE(marks.OP);
}

TEST_F(MainWindowTest, EveryControlHasANameForAssistiveTechnology)
{
    Open();
    EXPECT_EQ(window->windowTitle(), QString(kProgramTitle));
    for (int index = 0; index < 6; ++index) {
        const QString n = QString::number(index);
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("lstPinwall" + n)), QString("Spalte %1:").arg(index + 1));
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("txtLink" + n)), "Link / Adresse:");
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("picLogo" + n)), "Bild:");
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("cmdNewEntry" + n)), QString::fromUtf8("Eintrag hinzufügen..."));
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("cmdDel" + n)), "Eintrag entfernen...");
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("cmdUp" + n)), "Eintrag 1 Zeile nach oben verschieben");
        EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("cmdDown" + n)), "Eintrag 1 Zeile nach unten verschieben");
        EXPECT_EQ(window->findChild<ccXPButton*>("cmdUp" + n)->caption(), QString::fromUtf8("▲"));
    }
    EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("ccXPButton1")), "Speichern / HTML erstellen");
    EXPECT_EQ(AccessibleName(window->findChild<QWidget*>("chkPreview")), "Vorschau");
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(window.get())) {
            EXPECT_FALSE(AccessibleName(widget).isEmpty()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ClosingTheEditorEndsTheProgramWhileOtherWindowsAreOpen)
{
    Open();
    window->show();
    QWidget otherWindow;  // say, the link dialog: its being open must not keep the program alive
    otherWindow.show();
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    QTimer giveUp;  // on the stack, so it cannot fire into a later test
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}
