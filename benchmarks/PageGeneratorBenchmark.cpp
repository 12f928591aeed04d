// Generating link pages of growing size whose logos are already in the images folder: the
// cost of a run should grow with the number of entries and no faster.
#include "common/AppPaths.h"
#include "common/FileIo.h"
#include "common/Files.h"
#include "document/PageFile.h"
#include "output/PageGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>

namespace {

class BenchProgram {
public:
    explicit BenchProgram(int entries)
    {
        root_ = std::filesystem::temp_directory_path() / ("pinwall-bench-gen-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(root_ / "Library");
        std::filesystem::create_directories(root_ / "Back");
        InitAppPaths(paths, (root_ / "Pinwall-Builder").string());
        InitFolders(paths);
        SetPageNames(paths, "Bench", page);
        page.Columns = 6;
        page.UseBack = false;
        page.UseWall = false;
        std::string images = page.ImagesFolder;
        MakePath(images);

        std::ofstream out(page.PageFile, std::ios::binary);
        out << "[Main]\r\nColumns=6\r\n";
        for (int i = 0; i < entries; ++i) {
            const std::string name = "Entry " + std::to_string(i);
            columns[static_cast<std::size_t>(i % kColumnCount)].push_back(name);
            const std::string logo = "entry_" + std::to_string(i) + ".jpg";
            out << "[" << name << "]\r\nLink=www.example" << i << ".org/start\r\nInfo=Info text of entry " << i
                << "\r\nImage=" << logo << "\r\n";
            std::ofstream(root_ / "Library" / logo, std::ios::binary) << "logo";
            std::ofstream(std::filesystem::path(page.ImagesFolder) / logo, std::ios::binary) << "logo";
        }
    }
    ~BenchProgram()
    {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    AppPaths paths;
    PageState page;
    ColumnLists columns;

private:
    std::filesystem::path root_;
};

// One program folder per size for the whole run: the benchmark calls its function several
// times, and making thousands of files each time would swamp the file system it measures.
BenchProgram& ProgramWith(int entries)
{
    static std::map<int, std::unique_ptr<BenchProgram>> programs;
    std::unique_ptr<BenchProgram>& program = programs[entries];
    if (!program) program = std::make_unique<BenchProgram>(entries);
    return *program;
}

void BM_GeneratePage(benchmark::State& state)
{
    BenchProgram& program = ProgramWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const GenerateResult result = GeneratePage(program.paths, program.page, program.columns);
        if (!result.written) state.SkipWithError("index.html not written");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GeneratePage)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
