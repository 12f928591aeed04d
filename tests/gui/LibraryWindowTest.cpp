// The library browser: taking an entry into the editor's column, cancelling, the preview, the
// delete question, and the logo grid that shows and reads only what is in view.
#include "MainWindowTestFixture.h"

#include "document/EntryFile.h"
#include "editor/LibraryWindow.h"
#include "editor/LogoGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace {

class LibraryWindowTest : public MainWindowTest {
protected:
    // An entry file as the new entry dialog writes it; its logo is made separately.
    void AddEntry(const std::string& name, const std::string& link, const std::string& info = "")
    {
        WriteIniKeys({{kEntrySection, "Entry", name},
                      {kEntrySection, "Link", link},
                      {kEntrySection, "Image", EntryLogoName(name)},
                      {kEntrySection, "Info", info}},
                     EntryFilePath(context.Paths, name));
    }

    void Logo(const std::string& name, int width, int height, QColor colour)
    {
        QImage logo(width, height, QImage::Format_RGB32);
        logo.fill(colour);
        ASSERT_TRUE(logo.save(QString::fromStdString(EntryLogoPath(context.Paths, name)), "JPG"));
    }

    bool LibraryHas(const std::string& file) const { return program.dir.Has("Library/" + file); }

    // The editor, hidden as the new entry dialog leaves it, and the browser shown.
    frmLibrary& ShowBrowser()
    {
        Open();
        library = std::make_unique<frmLibrary>(context, *window);
        library->ShowLibrary();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(library.get()));
        return *library;
    }

    template <typename T> T* Child(const char* name) const { return library->findChild<T*>(name); }
    QListWidget& List() const { return *Child<QListWidget>("lstEntries"); }
    QLineEdit& Link() const { return *Child<QLineEdit>("txtLink"); }
    void Click(const char* button) const { Child<QPushButton>(button)->click(); }
    QStringList Names() const { return Texts(List()); }

    std::unique_ptr<frmLibrary> library;
};

} // namespace

TEST_F(LibraryWindowTest, TakingAnEntryPutsItIntoThePageAndTheEditorsColumn)
{
    PageColumn(2, {"Anna", "Bernd", "Carla"});
    AddEntry("Amazon", "http://www.amazon.de");
    AddEntry("Müller & Söhne", "http://www.mueller-soehne.de", "Werkzeug");
    Logo("Müller & Söhne", 60, 30, Qt::blue);
    frmLibrary& browser = ShowBrowser();
    context.Selection.TargetColumn = 2;
    context.Selection.TargetColumnCount = 3;
    ASSERT_EQ(Names(), QStringList({"Amazon", "Müller & Söhne"}));

    // Nothing selected: nothing happens and the window stays.
    Click("Command1");
    EXPECT_TRUE(browser.isVisible());
    EXPECT_EQ(PageValue("Spalte2", "Count"), "3");

    // A click on the logo picks the entry; the address edited here is what the page receives.
    QTest::mouseClick(browser.Grid(), Qt::LeftButton, {}, QPoint(65, 5));
    EXPECT_EQ(SelectedRow(List()), 1);
    EXPECT_EQ(Link().text(), "http://www.mueller-soehne.de");
    Link().setText("http://www.mueller-soehne.de/shop");
    Click("Command1");

    EXPECT_EQ(PageValue("Mueller & Soehne", "Link"), "http://www.mueller-soehne.de/shop");
    EXPECT_EQ(PageValue("Mueller & Soehne", "Image"), "mueller_&_soehne.jpg");
    EXPECT_EQ(PageValue("Mueller & Soehne", "Info"), "Werkzeug");
    EXPECT_EQ(PageValue("Spalte2", "Count"), "4");
    EXPECT_EQ(PageValue("Spalte2", "Eintrag4"), "Mueller & Soehne");
    EXPECT_EQ(ReadEntryKey(EntryFilePath(context.Paths, "Müller & Söhne"), "Link"), "http://www.mueller-soehne.de");

    EXPECT_EQ(Items(1), QStringList({"Anna", "Bernd", "Carla", "Müller & Söhne"}));
    EXPECT_EQ(SelectedRow(*window->ColumnList(1)), 3);
    EXPECT_EQ(window->LinkField(1)->text(), "http://www.mueller-soehne.de/shop");
    EXPECT_EQ(window->LogoPicture(1)->pixmap().width(), 60);
    EXPECT_TRUE(window->LogoLabel(1)->isHidden());
    EXPECT_TRUE(context.Selection.EntryFromLibrary);
    EXPECT_EQ(context.Selection.CurrentEntryName, "Müller & Söhne");
    EXPECT_FALSE(browser.isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LibraryWindowTest, DoubleClicksTakeTheEntryAndAnOptionalInfoBecomesTheName)
{
    PageColumn(1, {"Anna"});
    AddEntry("Heise", "http://www.heise.de", "(optional)");
    AddEntry("Wetter", "http://wetter.de", "");
    Logo("Heise", 40, 20, Qt::red);
    Logo("Wetter", 40, 20, Qt::green);
    ShowBrowser();
    context.Selection.TargetColumn = 1;
    context.Selection.TargetColumnCount = 1;

    // A double click as the desktop sends it: a click, then the second press.
    const QPoint first = List().visualItemRect(List().item(0)).center();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(PageValue("Heise", "Info"), "Heise");
    EXPECT_EQ(PageValue("Spalte1", "Eintrag2"), "Heise");
    EXPECT_FALSE(library->isVisible());

    // The editor's list now counts 2; a double click on the second logo appends it as third.
    context.Selection.TargetColumnCount = 2;
    library->ShowLibrary();
    QTest::mouseDClick(library->Grid(), Qt::LeftButton, {}, QPoint(45, 5));
    EXPECT_EQ(PageValue("Wetter", "Info"), "Wetter");
    EXPECT_EQ(PageValue("Spalte1", "Eintrag3"), "Wetter");
    EXPECT_EQ(Items(0), QStringList({"Anna", "Heise", "Wetter"}));
}

TEST_F(LibraryWindowTest, CancelAndTheTitleBarHideTheWindowAndShowingItAgainReadsTheLibrary)
{
    AddEntry("Amazon", "http://www.amazon.de");
    frmLibrary& browser = ShowBrowser();
    QSignalSpy cancelled(&browser, &frmLibrary::cancelled);
    Click("Command2");
    EXPECT_FALSE(browser.isVisible());
    EXPECT_EQ(cancelled.count(), 1);

    AddEntry("Zeit", "http://www.zeit.de");
    browser.ShowLibrary();
    EXPECT_EQ(Names(), QStringList({"Amazon", "Zeit"}));

    browser.close();
    EXPECT_FALSE(browser.isVisible());
    EXPECT_EQ(cancelled.count(), 2);
    browser.ShowLibrary();  // kept for the next time
    EXPECT_TRUE(browser.isVisible());
}

TEST_F(LibraryWindowTest, PreviewHandsTheAddressToTheBrowserAsTyped)
{
    AddEntry("Beispiel", "www.example.org");
    ShowBrowser();
    Click("Command4");
    EXPECT_TRUE(desktop.urls.empty());  // no address, nothing to open

    library->SelectEntry(0);
    Click("Command4");
    ASSERT_EQ(desktop.urls.size(), 1u);
    EXPECT_EQ(desktop.urls[0], QUrl("http://www.example.org"));
}

TEST_F(LibraryWindowTest, DeletingAsksAndRemovesEntryFileAndLogoOnlyOnYes)
{
    AddEntry("Mein Wetter!", "http://wetter.de");
    AddEntry("Zeit", "http://www.zeit.de");
    Logo("Mein Wetter!", 40, 20, Qt::red);
    ShowBrowser();

    Click("Command3");  // nothing selected: no question
    EXPECT_TRUE(desktop.questions.empty());

    library->SelectEntry(0);
    desktop.Answer(false);
    Click("Command3");
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, "'mein_wetter.web' und dazugehörende Image-Datei 'mein_wetter.jpg' löschen ?");
    EXPECT_TRUE(LibraryHas("mein_wetter.web"));
    EXPECT_TRUE(LibraryHas("mein_wetter.jpg"));
    EXPECT_EQ(Names().size(), 2);

    desktop.Answer(true);
    Click("Command3");
    EXPECT_FALSE(LibraryHas("mein_wetter.web"));
    EXPECT_FALSE(LibraryHas("mein_wetter.jpg"));
    EXPECT_EQ(Names(), QStringList({"Zeit"}));

    // The last entry gone leaves an empty list and no cells.
    library->SelectEntry(0);
    desktop.Answer(true);
    Click("Command3");
    EXPECT_TRUE(Names().isEmpty());
}

TEST_F(LibraryWindowTest, DeletingAMisnamedEntryTakesOnlyItsOwnFiles)
{
    AddEntry("Zeit", "http://www.zeit.de");
    Logo("Zeit", 40, 20, Qt::red);
    // An entry file not named by the rule, showing the other entry's name.
    WriteIniKeys({{kEntrySection, "Entry", "Zeit"}, {kEntrySection, "Image", "zeit_alt.jpg"}},
                 context.Paths.LibraryFolder + "zeit_alt.web");
    program.dir.Put("Library/zeit_alt.jpg", "old logo");
    ShowBrowser();

    library->SelectEntry(1);
    desktop.Answer(true);
    Click("Command3");
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, "'zeit_alt.web' und dazugehörende Image-Datei 'zeit_alt.jpg' löschen ?");
    EXPECT_FALSE(LibraryHas("zeit_alt.web"));
    EXPECT_FALSE(LibraryHas("zeit_alt.jpg"));
    EXPECT_TRUE(LibraryHas("zeit.web"));
    EXPECT_TRUE(LibraryHas("zeit.jpg"));
    EXPECT_EQ(Names(), QStringList({"Zeit"}));
}

TEST_F(LibraryWindowTest, TheGridHasCellsOfTheLargestLogoAndPaintsEachInItsCell)
{
    // Sizes 40×20, 60×10, a missing and an unreadable logo: cells of 60×20, one per entry.
    for (const std::string name : {"A", "B", "C", "D", "E"}) AddEntry(name, "http://" + name);
    Logo("A", 40, 20, Qt::red);
    Logo("B", 60, 10, Qt::blue);
    program.dir.Put("Library/d.jpg", "no picture");
    Logo("E", 30, 15, Qt::green);
    // A logo name that reaches outside the library names no file.
    Logo("outside", 500, 500, Qt::black);
    std::filesystem::rename(EntryLogoPath(context.Paths, "outside"), program.dir.Path("outside.jpg"));
    WriteIni(kEntrySection, "Image", "../outside.jpg", EntryFilePath(context.Paths, "C"));

    frmLibrary& browser = ShowBrowser();
    LogoGrid& grid = *browser.Grid();
    EXPECT_EQ(grid.Cell().width, 60);
    EXPECT_EQ(grid.Cell().height, 20);
    EXPECT_EQ(grid.Grid().count, 5);
    ASSERT_GE(grid.Grid().columns, 5);  // the default screen holds them in one row
    EXPECT_FALSE(Child<QScrollBar>("vsbSlide")->isEnabled());

    const QImage shown = grid.grab().toImage();
    const auto colourAt = [&](int x, int y) { return QColor(shown.pixel(x, y)); };
    EXPECT_LT(colourAt(20, 10).green() + colourAt(20, 10).blue(), 60);   // A: red at 0
    EXPECT_GT(colourAt(90, 5).blue(), 200);                              // B: blue at 60
    EXPECT_EQ(colourAt(150, 10), grid.palette().color(QPalette::Button)); // C: empty cell
    EXPECT_GT(colourAt(250, 5).green(), 200);                            // E: green at 240
    EXPECT_EQ(colourAt(250, 17), grid.palette().color(QPalette::Button)); // below E's 15 rows

    // The empty cells still take their entries' clicks.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(130, 15));
    EXPECT_EQ(SelectedRow(List()), 2);
    EXPECT_EQ(Link().text(), "http://C");
}

TEST_F(LibraryWindowTest, WithoutAnyLogoThereAreNoCellsButTheEntriesAreListed)
{
    AddEntry("A", "http://a");
    AddEntry("B", "http://b");
    ShowBrowser();
    EXPECT_EQ(Names(), QStringList({"A", "B"}));
    EXPECT_EQ(library->Grid()->Grid().count, 0);
    EXPECT_EQ(library->Grid()->size(), QSize(0, 0));
    EXPECT_FALSE(Child<QScrollBar>("vsbSlide")->isEnabled());
}

TEST_F(LibraryWindowTest, ThousandsOfEntriesKeepOnlyTheLogosInViewInMemory)
{
    for (int i = 0; i < 300; ++i) {
        const std::string name = "Eintrag " + std::to_string(1000 + i);
        AddEntry(name, "http://e" + std::to_string(i));
        Logo(name, 100, 50, QColor(i % 256, 100, 200));
    }
    frmLibrary& browser = ShowBrowser();
    QCoreApplication::processEvents();
    LogoGrid& grid = *browser.Grid();
    QScrollBar& bar = *Child<QScrollBar>("vsbSlide");
    const CellGrid layout = grid.Grid();
    ASSERT_GT(layout.height, grid.parentWidget()->height() * 4);
    EXPECT_TRUE(bar.isEnabled());
    EXPECT_EQ(bar.maximum(), layout.height - grid.parentWidget()->height());

    const int perView = layout.columns * (grid.parentWidget()->height() / 50 + 2);
    EXPECT_GT(grid.LoadedPictures(), 0);
    EXPECT_LE(grid.LoadedPictures(), perView);

    // Scrolled page by page to the end, the grid shows the last rows and has let go of the first.
    while (bar.value() < bar.maximum()) {
        bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(grid.y(), -bar.maximum());
    EXPECT_LE(grid.LoadedPictures(), 3 * perView);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(5, layout.height - 5));
    EXPECT_EQ(SelectedRow(List()), (layout.rows - 1) * layout.columns);
}
