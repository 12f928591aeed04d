// Importing 1,000 bookmarks with their logos (drawn, encoded by cJpeg, written with the entry
// files) into an empty library: should stay under 10 s.
#include "BookmarkIcons.h"
#include "common/AppPaths.h"
#include "document/BookmarkImport.h"
#include "document/BookmarksFile.h"
#include "imaging/gui/BookmarkLogo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

void BM_ImportBookmarksWithLogos(benchmark::State& state)
{
    std::string html = "<DL><p>\n";
    for (int i = 0; i < state.range(0); ++i)
        html += "<DT><A HREF=\"https://site" + std::to_string(i) + ".example.de/\" ICON=\"" + IconDataUri(i) +
                "\">Seite " + std::to_string(i) + "</A>\n";
    html += "</DL>\n";
    const LogoMaker logo = [](const ImportItem& item) { return BookmarkLogoJpeg(item.bookmark->icon, item.name); };
    for (auto _ : state) {
        state.PauseTiming();
        const std::filesystem::path root =
            std::filesystem::temp_directory_path() / ("pinwall-bench-import-" + std::to_string(std::random_device{}()));
        AppPaths paths;
        InitAppPaths(paths, (root / "Pinwall-Builder").string());
        InitFolders(paths);
        state.ResumeTiming();

        const std::optional<BookmarkNode> tree = ParseBookmarksHtml(html);
        LibraryIndex library = ReadLibraryIndex(paths.LibraryFolder);
        int written = 0;
        for (const ImportItem& item : PlanBookmarkImport(*tree, library))
            written += item.state == ImportState::New && WriteImportedEntry(paths, item, logo);
        FinishImport(paths);
        const bool complete = written == state.range(0);

        state.PauseTiming();
        std::filesystem::remove_all(root);
        state.ResumeTiming();
        if (!complete) state.SkipWithError("not every entry was written");
    }
}
BENCHMARK(BM_ImportBookmarksWithLogos)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
