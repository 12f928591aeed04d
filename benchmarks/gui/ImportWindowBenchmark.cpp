// Opening "Lesezeichen importieren" on a bookmarks file of 10,000 bookmarks with icons, in 100
// folders: read, planned against the library, shown and painted (target: under 2 s), and scrolled
// page by page. Only the rows in view get their logos, so opening grows with the file, not with
// the logos, and a page costs the same anywhere in the tree.
#include "BookmarkIcons.h"
#include "app/ProgramContext.h"
#include "common/Files.h"
#include "core/support/ProgramFolder.h"
#include "core/support/TemporaryHome.h"
#include "editor/ImportWindow.h"
#include "editor/MainWindow.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <fstream>

namespace {

// A program folder with an empty library and a bookmarks file of `count` bookmarks.
struct BenchSource {
    explicit BenchSource(int count)
    {
        context.Paths = program.paths;
        std::string library = context.Paths.LibraryFolder;
        MakePath(library);
        std::ofstream html(program.dir.Path("bookmarks.html"), std::ios::binary);
        html << "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n";
        for (int i = 0; i < count; ++i) {
            if (i % 100 == 0) html << (i ? "</DL><p>\n" : "") << "<DT><H3>Ordner " << i / 100 << "</H3>\n<DL><p>\n";
            html << "<DT><A HREF=\"https://site" << i << ".example.de/\" ICON=\"" << IconDataUri(i) << "\">Seite " << i
                 << "</A>\n";
        }
        html << "</DL><p>\n</DL><p>\n";
    }
    TemporaryHome home;
    ProgramFolder program;
    ProgramContext context;
};

void BM_OpenImportWindow(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    BenchSource source(count);
    ProgramFolder& program = source.program;
    ProgramContext& context = source.context;
    frmMain editor(context);
    for (auto _ : state) {
        auto* window = new frmImport(context, editor);
        window->show();
        const bool read = window->LoadSource(program.dir.Path("bookmarks.html"));
        window->Tree().expandAll();
        window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        const int rows = window->Tree().model()->rowCount();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!read || rows != count / 100) state.SkipWithError("the bookmarks were not shown");
    }
}
BENCHMARK(BM_OpenImportWindow)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One page down through the open tree and painted: new rows get their logos. Should stay far
// below a frame's time.
void BM_ScrollImportWindowPage(benchmark::State& state)
{
    BenchSource source(10000);
    frmMain editor(source.context);
    frmImport window(source.context, editor);
    window.show();
    window.LoadSource(source.program.dir.Path("bookmarks.html"));
    window.Tree().expandAll();
    QCoreApplication::processEvents();
    QScrollBar& bar = *window.Tree().verticalScrollBar();
    for (auto _ : state) {
        bar.setValue(bar.value() + bar.pageStep() >= bar.maximum() ? 0 : bar.value() + bar.pageStep());
        window.Tree().viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollImportWindowPage)->Unit(benchmark::kMillisecond);

} // namespace
