// Reading a bookmarks file of 10,000 bookmarks, each with its icon as a data address, and
// planning their import: the whole should stay well under 2 s.
#include "document/BookmarkImport.h"
#include "document/BookmarksFile.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

std::string BookmarksHtml(int bookmarks)
{
    std::mt19937 random(7);
    const char* const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n";
    for (int i = 0; i < bookmarks; ++i) {
        if (i % 100 == 0) html += (i ? "</DL><p>\n" : "") + std::string("<DT><H3>Ordner ") + std::to_string(i / 100) + "</H3>\n<DL><p>\n";
        // A 16-pixel PNG icon is about 600 characters of base64.
        std::string icon(600, 'A');
        for (char& c : icon) c = alphabet[random() % 64];
        html += "<DT><A HREF=\"https://site" + std::to_string(i) + ".example.de/seite?id=" + std::to_string(i) +
                "\" ADD_DATE=\"1700000000\" ICON=\"data:image/png;base64," + icon + "\">Seite Nummer " + std::to_string(i) +
                " &amp; mehr</A>\n<DD>Beschreibung " + std::to_string(i) + "\n";
    }
    return html + "</DL><p>\n</DL><p>\n";
}

void BM_ReadBookmarksFile(benchmark::State& state)
{
    const std::string html = BookmarksHtml(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::optional<BookmarkNode> tree = ParseBookmarksHtml(html);
        LibraryIndex library;
        benchmark::DoNotOptimize(PlanBookmarkImport(*tree, library).size());
    }
    state.SetLabel(std::to_string(html.size() / 1024) + " KiB");
}
BENCHMARK(BM_ReadBookmarksFile)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
