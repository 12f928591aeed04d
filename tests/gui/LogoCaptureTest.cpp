// The logo capture driven as a user drives it: a handed-in snapshot, the mouse on the capture
// window, and the files it leaves in the library.
#include "app/ProgramContext.h"
#include "app/ProgramWindows.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "editor/ColumnGroup.h"
#include "editor/ColumnListWidget.h"
#include "editor/MainWindow.h"
#include "imaging/gui/LogoCapture.h"

#include "core/support/JpegDecode.h"
#include "core/support/ProgramFolder.h"
#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A desktop that also counts the boxes that would open beneath a capture window still shown.
class CaptureServices : public FakeServices {
public:
    void ShowMessage(const QString& text, int kind, const QString& title) override
    {
        covered += CaptureShown();
        FakeServices::ShowMessage(text, kind, title);
    }
    bool AskYesNo(const QString& text, const QString& title) override
    {
        covered += CaptureShown();
        return FakeServices::AskYesNo(text, title);
    }
    static bool CaptureShown()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(),
                           [](QWidget* w) { return w->objectName() == "frmCaptureRectangle" && w->isVisible(); });
    }
    int covered = 0;
};

// Colours that change smoothly, so that the JPEG stays close to them.
QImage Desktop()
{
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 300, 128 + (x - y) / 8));
    return image;
}

} // namespace

class LogoCaptureTest : public testing::Test {
protected:
    LogoCaptureTest()
    {
        context.Paths = program.paths;
        std::string library = context.Paths.LibraryFolder;
        MakePath(library);
        services.snapshot = Desktop();
        QObject::connect(&capture, &LogoCapture::finished, [this](int caller, const QString& file) {
            ends.push_back({caller, file});
        });
    }
    ~LogoCaptureTest() override
    {
        EXPECT_EQ(services.covered, 0) << "a box opened beneath the capture window";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string Library(const std::string& name) const { return context.Paths.LibraryFolder + name; }
    std::vector<std::uint8_t> Bytes(const std::string& name) const
    {
        const std::string bytes = program.dir.Take("Library/" + name);
        return {bytes.begin(), bytes.end()};
    }
    bool TempFilesGone() const { return !FileExists(Library("_temp.jpg")) && !FileExists(Library("_temp.bmp")); }

    // Starts a capture for `caller` and drags with `button` from `from` to `to`.
    void Drag(int caller, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        context.Selection.CaptureCaller = static_cast<std::int16_t>(caller);
        capture.Start();
        frmCaptureRectangle* window = capture.Window();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        QTest::mousePress(window, button, {}, from);
        QTest::mouseMove(window, to);
        QTest::mouseRelease(window, button, {}, to);
    }

    struct End {
        int caller;
        QString file;
    };

    ProgramFolder program;
    ProgramContext context;
    CaptureServices services;
    LogoCapture capture{context};
    std::vector<End> ends;
};

TEST_F(LogoCaptureTest, TheRectangleBecomesAJpegOfItsSizeWhicheverWayItWasDragged)
{
    Drag(1, {20, 30}, {120, 80});
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].caller, 1);
    EXPECT_EQ(ends[0].file.toStdString(), Library("_temp.jpg"));
    EXPECT_EQ(capture.Window(), nullptr);
    EXPECT_FALSE(FileExists(Library("_temp.bmp")));
    const std::vector<std::uint8_t> forwards = Bytes("_temp.jpg");

    const DecodedJpeg logo = DecodeJpeg(forwards);
    ASSERT_TRUE(logo.ok) << logo.error;
    ASSERT_EQ(logo.width, 100);
    ASSERT_EQ(logo.height, 50);
    const QImage desktop = Desktop();
    long difference = 0;
    for (int y = 0; y < logo.height; ++y)
        for (int x = 0; x < logo.width; ++x) {
            const QRgb shown = desktop.pixel(20 + x, 30 + y);
            const std::uint8_t* got = &logo.pixels[(y * logo.width + x) * 3];
            difference += std::abs(got[0] - qRed(shown)) + std::abs(got[1] - qGreen(shown)) + std::abs(got[2] - qBlue(shown));
        }
    EXPECT_LT(difference / (logo.width * logo.height * 3.0), 2.0);

    Drag(1, {120, 80}, {20, 30});
    EXPECT_EQ(Bytes("_temp.jpg"), forwards);

    Drag(1, {200, 100}, {210, 200});
    EXPECT_EQ(DecodeJpeg(Bytes("_temp.jpg")).width, 10);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LogoCaptureTest, ASmallRectangleAClickOrARightClickEndWithTheHint)
{
    Drag(1, {50, 50}, {65, 65});
    Drag(1, {50, 50}, {50, 50});
    Drag(2, {50, 50}, {150, 150}, Qt::RightButton);
    ASSERT_EQ(services.messages.size(), 3u);
    for (const RecordedMessage& message : services.messages) {
        EXPECT_EQ(message.text, QString::fromUtf8("Klicken und mit gedrückter Maustaste über das Logo bewegen  "));
        EXPECT_EQ(message.kind, kMessageInformation);
    }
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[2].caller, 2);
    for (const End& end : ends) EXPECT_TRUE(end.file.isEmpty());
    EXPECT_TRUE(TempFilesGone());
    EXPECT_EQ(capture.Window(), nullptr);
}

TEST_F(LogoCaptureTest, EscapeInTheWindowOrAnyOtherEndsWithoutTemporaryFiles)
{
    Drag(1, {20, 20}, {100, 100});
    ASSERT_TRUE(FileExists(Library("_temp.jpg")));
    context.Selection.CaptureCaller = 1;
    capture.Start();
    QTest::mousePress(capture.Window(), Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(capture.Window(), {60, 60});
    // The band inverts the pixels under its lines and nothing inside them.
    const QImage shown = capture.Window()->grab().toImage();
    const QImage desktop = Desktop();
    EXPECT_EQ(shown.pixel(30, 10) & 0xFFFFFF, ~desktop.pixel(30, 10) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(60, 30) & 0xFFFFFF, ~desktop.pixel(60, 30) & 0xFFFFFF);
    EXPECT_EQ(shown.pixel(30, 30), desktop.pixel(30, 30));
    QTest::keyClick(capture.Window(), Qt::Key_Escape);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_TRUE(ends[1].file.isEmpty());
    EXPECT_TRUE(TempFilesGone());

    // Another window holds the focus: the watcher still sees Escape.
    QWidget other;
    other.show();
    capture.Start();
    QTest::keyClick(&other, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ends.size() == 3; }, 1000));
    EXPECT_EQ(capture.Window(), nullptr);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LogoCaptureTest, AnEntrysLogoIsReplacedOnlyWhenTheUserAgrees)
{
    context.Selection.CurrentEntryName = "Müller & Söhne";
    const std::string logo = "mueller_&_soehne.jpg";
    Drag(2, {0, 0}, {40, 30});
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].file.toStdString(), Library(logo));
    EXPECT_TRUE(services.questions.empty());
    const std::vector<std::uint8_t> first = Bytes(logo);

    services.Answer(false);
    Drag(2, {100, 100}, {180, 160});
    ASSERT_EQ(services.questions.size(), 1u);
    EXPECT_EQ(services.questions[0].text,
              QString::fromUtf8("Soll die vorhandene Grafikdatei 'mueller_&_soehne.jpg' überschrieben werden ?   \r\n"));
    EXPECT_TRUE(ends[1].file.isEmpty());
    EXPECT_EQ(Bytes(logo), first);
    EXPECT_TRUE(TempFilesGone());

    services.Answer(true);
    Drag(2, {100, 100}, {180, 160});
    EXPECT_EQ(ends[2].file.toStdString(), Library(logo));
    EXPECT_EQ(DecodeJpeg(Bytes(logo)).width, 80);
    EXPECT_TRUE(TempFilesGone());
}

TEST_F(LogoCaptureTest, AScreenThatCannotBeTakenEndsWithAMessage)
{
    services.snapshot = QImage();
    context.Selection.CaptureCaller = 2;
    capture.Start();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, QString::fromUtf8("Der Bildschirm konnte nicht aufgenommen werden.  "));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].caller, 2);
    EXPECT_TRUE(ends[0].file.isEmpty());
    EXPECT_EQ(capture.Window(), nullptr);
}

TEST(LogoCaptureEditorTest, AClickOnAColumnsLogoAreaCapturesItsLogoAndShowsTheEditorAgain)
{
    ScratchFolder dir;
    CaptureServices services;
    services.snapshot = Desktop();
    ProgramWindows windows;
    dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n[Spalte2]\r\nCount=1\r\nEintrag1=Heise\r\n");
    WriteIni("PinwallEdit", "LastEdit", "Home", dir.Path("Pinwall-Builder.ini"));
    ASSERT_EQ(windows.StartUp(QString::fromStdString(dir.Path("Pinwall-Builder"))), FirstWindow::Editor);
    frmMain& editor = windows.Editor();
    editor.ColumnList(1)->setCurrentRow(0);
    emit editor.Column(1)->LogoClicked();
    frmCaptureRectangle* window = windows.Capture().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(editor.isVisible());
    QTest::mousePress(window, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(window, {70, 50});
    QTest::mouseRelease(window, Qt::LeftButton, {}, {70, 50});
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(dir.Has("Library/heise.jpg"));
    EXPECT_FALSE(editor.LogoPicture(1)->pixmap().isNull());
    EXPECT_FALSE(editor.LogoLabel(1)->isVisible());
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
