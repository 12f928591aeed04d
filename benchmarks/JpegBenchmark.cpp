// Speed, size and quality of cJpeg against libjpeg-turbo with equivalent settings: quality 95
// tables (cJpeg's own, handed to libjpeg-turbo: its own quality 95 rounds differently), no
// subsampling, optimized Huffman tables, float DCT, both in memory. Counters: bytes_out, psnr
// against the source, and for cJpeg speed_vs_turbo, size_vs_turbo and psnr_minus_turbo (cJpeg
// keeps Y, Cb, Cr as floats where libjpeg-turbo rounds them to bytes, so its PSNR is a little
// higher). For libjpeg-turbo's plain C path run with JSIMD_FORCENONE=1.
#include "../tests/core/support/JpegDecode.h"
#include "imaging/Jpeg.h"
#include "imaging/JpegTables.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdio>
#include <jpeglib.h>
#include <map>
#include <string>

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
};
constexpr Picture kLogo{"Logo", 320, 100};
constexpr Picture kFullHd{"Screen1920", 1920, 1080};
constexpr Picture kUhd{"Screen3840", 3840, 2160};

const JpegTestSurface& Source(const Picture& picture)
{
    static std::map<std::string, JpegTestSurface> cache;
    auto it = cache.find(picture.name);
    if (it == cache.end()) {
        JpegTestSurface s = picture.width == kLogo.width ? MakeLogoPicture(picture.width, picture.height)
                                                         : MakeScreenshotPicture(picture.width, picture.height);
        it = cache.emplace(picture.name, std::move(s)).first;
    }
    return it->second;
}

// What libjpeg-turbo achieved per picture, for the ratios reported with cJpeg.
struct Reference {
    double secondsPerImage = 0;
    double bytesOut = 0;
    double psnr = 0;
};
std::map<std::string, Reference>& References()
{
    static std::map<std::string, Reference> references;
    return references;
}

std::vector<std::uint8_t> EncodeWithTurbo(const JpegTestSurface& source, bool sameTablesAsCJpeg)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(source.SurfaceWidth());
    info.image_height = static_cast<JDIMENSION>(source.SurfaceHeight());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    if (sameTablesAsCJpeg) {
        const int scale = jpeg::QualityScale(95);
        const jpeg::QuantValues* bases[2] = {&jpeg::BaseLuminanceTable(), &jpeg::BaseChrominanceTable()};
        for (int t = 0; t < 2; ++t) {
            const jpeg::QuantValues zigzag = jpeg::ScaleQuantTable(*bases[t], scale);
            unsigned int natural[64];
            for (int i = 0; i < 64; ++i)
                natural[i] = zigzag[jpeg::ZigZagMap()[i]];
            jpeg_add_quant_table(&info, t, natural, 100, TRUE);
        }
    } else {
        jpeg_set_quality(&info, 95, TRUE);
    }
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(source.Pixel(0, static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

std::vector<std::uint8_t> EncodeWithCJpeg(const JpegTestSurface& source)
{
    cJpeg encoder;
    encoder.SampleHDC(&source, source.SurfaceWidth(), source.SurfaceHeight(), 0, 0);
    return encoder.EncodeToMemory();
}

template <typename Encode>
double TimedLoop(benchmark::State& state, const JpegTestSurface& source, Encode encode, std::vector<std::uint8_t>& last)
{
    // Processor time, as the benchmark library reports it: other load on the machine cancels out.
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        last = encode(source);
        benchmark::DoNotOptimize(last.data());
    }
    const double elapsed = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * source.SurfaceWidth() *
                            source.SurfaceHeight() * 3);
    return elapsed / static_cast<double>(state.iterations());
}

void BM_JpegTurbo(benchmark::State& state, Picture picture, bool sameTables)
{
    const JpegTestSurface& source = Source(picture);
    std::vector<std::uint8_t> out;
    const double seconds = TimedLoop(state, source, [&](const JpegTestSurface& s) { return EncodeWithTurbo(s, sameTables); }, out);
    const double psnr = Psnr(source, DecodeJpeg(out));
    state.counters["bytes_out"] = static_cast<double>(out.size());
    state.counters["psnr"] = psnr;
    if (sameTables)
        References()[picture.name] = {seconds, static_cast<double>(out.size()), psnr};
}

void BM_JpegCJpeg(benchmark::State& state, Picture picture)
{
    const JpegTestSurface& source = Source(picture);
    std::vector<std::uint8_t> out;
    const double seconds = TimedLoop(state, source, EncodeWithCJpeg, out);
    const double psnr = Psnr(source, DecodeJpeg(out));
    state.counters["bytes_out"] = static_cast<double>(out.size());
    state.counters["psnr"] = psnr;
    const auto it = References().find(picture.name);
    if (it != References().end()) {
        state.counters["speed_vs_turbo"] = it->second.secondsPerImage / seconds;
        state.counters["size_vs_turbo"] = static_cast<double>(out.size()) / it->second.bytesOut;
        state.counters["psnr_minus_turbo"] = psnr - it->second.psnr;
    }
}

} // namespace

// libjpeg-turbo first, so that the cJpeg runs can report their ratios to it.
BENCHMARK_CAPTURE(BM_JpegTurbo, Logo, kLogo, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JpegCJpeg, Logo, kLogo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JpegTurbo, Screen1920, kFullHd, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JpegCJpeg, Screen1920, kFullHd)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JpegTurbo, Screen3840, kUhd, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JpegCJpeg, Screen3840, kUhd)->Unit(benchmark::kMillisecond);
// For comparison: libjpeg-turbo's own quality-95 tables (integer rounding, slightly finer).
BENCHMARK_CAPTURE(BM_JpegTurbo, Screen1920_OwnQ95Tables, kFullHd, false)->Unit(benchmark::kMillisecond);
