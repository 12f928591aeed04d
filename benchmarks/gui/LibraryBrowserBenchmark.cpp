// Opening the library browser on libraries of growing size, every entry with a logo: the time
// should stay well below a third of a second at 2000 entries, and the pictures held should
// depend on the window's size, not on the library's.
#include "app/ProgramContext.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "core/support/ProgramFolder.h"
#include "document/EntryFile.h"
#include "editor/LibraryWindow.h"
#include "editor/LogoGrid.h"
#include "editor/MainWindow.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>

namespace {

// A program folder whose library holds `entries` entries with logos of a few sizes.
struct BenchLibrary {
    explicit BenchLibrary(int entries)
    {
        context.Paths = program.paths;
        std::string library = context.Paths.LibraryFolder;
        MakePath(library);
        for (int i = 0; i < entries; ++i) {
            const std::string name = "Eintrag " + std::to_string(10000 + i);
            std::ofstream(EntryFilePath(context.Paths, name), std::ios::binary)
                << "[PinCard]\r\nEntry=" << name << "\r\nLink=http://www.example.org/" << i
                << "\r\nImage=" << EntryLogoName(name) << "\r\nInfo=" << name << "\r\n";
            QImage logo(80 + (i % 5) * 20, 30 + (i % 3) * 10, QImage::Format_RGB32);
            logo.fill(QColor::fromHsv((i * 7) % 360, 160, 220));
            logo.save(QString::fromStdString(EntryLogoPath(context.Paths, name)), "JPG");
        }
    }
    ProgramFolder program;
    ProgramContext context;
};

BenchLibrary& Library(int entries)
{
    static std::map<int, std::unique_ptr<BenchLibrary>> libraries;
    auto& library = libraries[entries];
    if (!library) library = std::make_unique<BenchLibrary>(entries);
    return *library;
}

long ResidentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

// The most the process has held so far; run one case per process to compare library sizes.
long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void ShowAndPaint(frmLibrary& browser)
{
    browser.ShowLibrary();
    browser.repaint();
    QCoreApplication::processEvents();
}

// The first opening: the window is created, filled and shown.
void BM_LibraryBrowserFirstOpen(benchmark::State& state)
{
    BenchLibrary& library = Library(static_cast<int>(state.range(0)));
    frmMain editor(library.context);
    int pictures = 0;
    long grown = 0;
    for (auto _ : state) {
        const long before = ResidentKilobytes();
        frmLibrary browser(library.context, editor);
        ShowAndPaint(browser);
        pictures = browser.Grid()->LoadedPictures();
        grown = std::max(grown, ResidentKilobytes() - before);
        browser.hide();
    }
    state.counters["pictures"] = pictures;
    state.counters["rss_grown_kb"] = static_cast<double>(grown);
    state.counters["peak_rss_kb"] = static_cast<double>(PeakKilobytes());
}
BENCHMARK(BM_LibraryBrowserFirstOpen)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Showing the kept window again: the library is read again and the grid refilled.
void BM_LibraryBrowserShowAgain(benchmark::State& state)
{
    BenchLibrary& library = Library(static_cast<int>(state.range(0)));
    frmMain editor(library.context);
    frmLibrary browser(library.context, editor);
    ShowAndPaint(browser);
    browser.hide();
    const long before = ResidentKilobytes();
    for (auto _ : state) {
        ShowAndPaint(browser);
        browser.hide();
    }
    state.counters["pictures"] = browser.Grid()->LoadedPictures();
    state.counters["rss_grown_kb"] = static_cast<double>(ResidentKilobytes() - before);
}
BENCHMARK(BM_LibraryBrowserShowAgain)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
