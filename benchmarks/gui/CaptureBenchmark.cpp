// From the start of a logo capture, with the screen snapshot in hand, to the capture window shown
// and painted, for a full-HD and a 4K desktop; and the snapshot itself, taken from the real
// desktop (run under a display of the wanted size for a meaningful figure).
#include "app/ProgramContext.h"
#include "common/gui/DesktopServices.h"
#include "imaging/gui/LogoCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A desktop whose snapshot is a picture of the given size.
class SnapshotServices : public DesktopServices {
public:
    explicit SnapshotServices(QImage picture) : m_snapshot(std::move(picture)), m_previous(SetServices(this)) {}
    ~SnapshotServices() override { SetServices(m_previous); }
    void ShowMessage(const QString&, int, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return false; }
    void Beep() override {}
    bool OpenUrl(const QUrl&) override { return false; }
    QImage GrabScreen() override { return m_snapshot; }

private:
    QImage m_snapshot;
    DesktopServices* m_previous;
};

QImage Snapshot(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) row[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
    }
    return image;
}

void CaptureWindowShown(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    SnapshotServices services(Snapshot(size.width(), size.height()));
    // Escape removes the temporary files of the library: a folder of its own.
    QTemporaryDir library;
    ProgramContext context;
    context.Paths.LibraryFolder = library.path().toStdString() + "/";
    context.Selection.CaptureCaller = 2;
    LogoCapture capture(context);
    for (auto _ : state) {
        capture.Start();
        frmCaptureRectangle* window = capture.Window();
        // A headless screen is smaller than the desktop of the snapshot; the window is given the
        // desktop's size, so that it paints as much as it does on such a screen.
        if (window->size() != size) window->resize(size);
        while (!window->Painted()) QCoreApplication::processEvents();

        state.PauseTiming();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void DesktopSnapshot(benchmark::State& state)
{
    QtDesktopServices desktop;
    for (auto _ : state) {
        const QImage shot = desktop.GrabScreen();
        benchmark::DoNotOptimize(shot.constBits());
        state.counters["width"] = shot.width();
    }
}

} // namespace

BENCHMARK(DesktopSnapshot)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CaptureWindowShown)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)->UseRealTime();
