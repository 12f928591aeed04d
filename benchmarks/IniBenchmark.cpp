// Reading every key of page files one ReadIni at a time, and writing keys one WriteIni at a time.
#include "common/Ini.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

std::string ScratchFile(const std::string& name)
{
    const auto dir = std::filesystem::temp_directory_path() / "pinwall-bench";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

// A page file with `entries` entry sections of three keys each.
std::string MakePage(int entries)
{
    const std::string file = ScratchFile("page" + std::to_string(entries) + ".pnw");
    std::ofstream out(file, std::ios::binary);
    out << "[Main]\r\nColumns=4\r\n[Spalte1]\r\nCount=" << entries << "\r\n";
    for (int i = 1; i <= entries; ++i) out << "Eintrag" << i << "=Entry " << i << "\r\n";
    for (int i = 1; i <= entries; ++i) {
        out << "[Entry " << i << "]\r\nLink=http://www.example" << i << ".org/start\r\n"
            << "Info=Info text of entry number " << i << "\r\nImage=entry_" << i << ".jpg\r\n";
    }
    return file;
}

void BM_ReadEveryKeyOfAPage(benchmark::State& state)
{
    const int entries = static_cast<int>(state.range(0));
    const std::string file = MakePage(entries);
    std::vector<std::string> sections;
    for (int i = 1; i <= entries; ++i) sections.push_back("Entry " + std::to_string(i));
    for (auto _ : state) {
        for (const std::string& section : sections) {
            benchmark::DoNotOptimize(ReadIni(section, "Link", file));
            benchmark::DoNotOptimize(ReadIni(section, "Info", file));
            benchmark::DoNotOptimize(ReadIni(section, "Image", file));
        }
    }
    state.SetItemsProcessed(state.iterations() * entries * 3);
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReadEveryKeyOfAPage)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_Write1000KeysOneAtATime(benchmark::State& state)
{
    const std::string file = ScratchFile("written.ini");
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        state.ResumeTiming();
        for (int i = 1; i <= 1000; ++i)
            WriteIni("Spalte" + std::to_string(i % 6 + 1), "Eintrag" + std::to_string(i), "Entry " + std::to_string(i), file);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    std::filesystem::remove(file);
}
BENCHMARK(BM_Write1000KeysOneAtATime)->Unit(benchmark::kMillisecond);

} // namespace
