// cJpeg's output decodes with libjpeg, an independent decoder, to the right size and close to the
// source, for many sizes and every kind of sampling; its coefficients are the reference computation's exactly.
#include "core/support/JpegDecode.h"
#include "core/support/JpegReference.h"
#include "core/support/JpegStreamReader.h"
#include "imaging/Jpeg.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct Sampling {
    std::array<int, 6> f;
    double minPsnr;  // on the gradient picture
};

DecodedJpeg EncodeAndDecode(cJpeg& encoder, const JpegTestSurface& source)
{
    EXPECT_EQ(encoder.SampleHDC(&source, source.SurfaceWidth(), source.SurfaceHeight(), 0, 0), 0);
    return DecodeJpeg(encoder.EncodeToMemory());
}

std::string SizeName(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }

// The quantized coefficients libjpeg reads from a stream: per component, blocks in raster
// order, each in natural order.
std::vector<std::vector<std::array<int, 64>>> ReadCoefficients(const std::vector<std::uint8_t>& stream)
{
    std::vector<std::vector<std::array<int, 64>>> result;
    jpeg_decompress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, stream.data(), static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&info, TRUE);
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(&info);
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& comp = info.comp_info[c];
        std::vector<std::array<int, 64>> blocks;
        for (JDIMENSION row = 0; row < comp.height_in_blocks; ++row) {
            JBLOCKARRAY rows = (*info.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&info), arrays[c], row, 1, FALSE);
            for (JDIMENSION col = 0; col < comp.width_in_blocks; ++col) {
                std::array<int, 64> block{};
                for (int i = 0; i < 64; ++i)
                    block[i] = rows[0][col][i];
                blocks.push_back(block);
            }
        }
        result.push_back(std::move(blocks));
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result;
}

} // namespace

TEST(JpegRoundTrip, EverySizeDecodesCloseToTheSource)
{
    const std::pair<int, int> sizes[] = {{1, 1}, {7, 13}, {17, 9}, {64, 64}, {320, 100}, {8, 8}, {9, 9},
                                         {15, 16}, {16, 15}, {16, 16}, {17, 17}, {23, 24}, {24, 25},
                                         {31, 33}, {33, 31}, {32, 32}, {47, 49}, {63, 65}, {1, 40}, {40, 1}};
    for (const auto& [w, h] : sizes) {
        const JpegTestSurface source = MakeGradientPicture(w, h);
        cJpeg encoder;
        const DecodedJpeg decoded = EncodeAndDecode(encoder, source);
        ASSERT_TRUE(decoded.ok) << SizeName(w, h) << ": " << decoded.error;
        EXPECT_EQ(decoded.width, w);
        EXPECT_EQ(decoded.height, h);
        EXPECT_EQ(decoded.components, 3);
        EXPECT_GT(Psnr(source, decoded), 43.0) << SizeName(w, h);
    }
}

TEST(JpegRoundTrip, FullHdScreenshot)
{
    const JpegTestSurface source = MakeScreenshotPicture(1920, 1080);
    cJpeg encoder;
    const DecodedJpeg decoded = EncodeAndDecode(encoder, source);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, 1920);
    EXPECT_EQ(decoded.height, 1080);
    EXPECT_GT(Psnr(source, decoded), 40.0);
}

TEST(JpegRoundTrip, SinglePixelKeepsItsColour)
{
    JpegTestSurface source(1, 1);
    source.SetPixel(0, 0, 200, 30, 90);
    cJpeg encoder;
    const DecodedJpeg decoded = EncodeAndDecode(encoder, source);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    ASSERT_EQ(decoded.pixels.size(), 3u);
    EXPECT_NEAR(decoded.pixels[0], 200, 2);
    EXPECT_NEAR(decoded.pixels[1], 30, 2);
    EXPECT_NEAR(decoded.pixels[2], 90, 2);
}

TEST(JpegRoundTrip, EverySamplingDecodesCloseToTheSource)
{
    const Sampling samplings[] = {
        {{1, 1, 1, 1, 1, 1}, 44}, {{2, 2, 1, 1, 1, 1}, 33}, {{2, 1, 1, 1, 1, 1}, 35}, {{1, 2, 1, 1, 1, 1}, 34},
        {{4, 4, 1, 1, 1, 1}, 26}, {{4, 1, 2, 1, 1, 1}, 29}, {{3, 1, 1, 1, 1, 1}, 31}, {{2, 2, 2, 2, 2, 2}, 44},
        {{1, 1, 2, 2, 2, 2}, 35}, {{2, 2, 1, 2, 2, 1}, 34}, {{3, 3, 1, 1, 1, 1}, 28}, {{1, 1, 0, 0, 0, 0}, 50},
        {{2, 2, 0, 0, 0, 0}, 50}, {{4, 3, 4, 3, 1, 1}, 29}};
    const std::pair<int, int> sizes[] = {{1, 1}, {7, 13}, {17, 9}, {20, 20}, {33, 47}, {64, 64}, {65, 31}};
    for (const Sampling& s : samplings) {
        const std::string name = "(" + std::to_string(s.f[0]) + std::to_string(s.f[1]) + std::to_string(s.f[2]) +
                                 std::to_string(s.f[3]) + std::to_string(s.f[4]) + std::to_string(s.f[5]) + ")";
        for (const auto& [w, h] : sizes) {
            const JpegTestSurface source = MakeGradientPicture(w, h);
            cJpeg encoder;
            encoder.SetSamplingFrequencies(s.f[0], s.f[1], s.f[2], s.f[3], s.f[4], s.f[5]);
            const DecodedJpeg decoded = EncodeAndDecode(encoder, source);
            ASSERT_TRUE(decoded.ok) << name << " " << SizeName(w, h) << ": " << decoded.error;
            EXPECT_EQ(decoded.width, w) << name;
            EXPECT_EQ(decoded.height, h) << name;
            EXPECT_EQ(decoded.components, s.f[2] == 0 ? 1 : 3) << name;
            if (w * h >= 64 * 4) {
                EXPECT_GT(Psnr(source, decoded), s.minPsnr) << name << " " << SizeName(w, h);
            }
        }
    }
}

TEST(JpegRoundTrip, ReadsTheSourceRectangleAtItsOffset)
{
    JpegTestSurface surface(50, 40);
    surface.Fill(0, 0, 255);
    const JpegTestSurface part = MakeGradientPicture(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            std::memcpy(surface.Pixel(x + 11, y + 7), part.Pixel(x, y), 3);
    cJpeg encoder;
    ASSERT_EQ(encoder.SampleHDC(&surface, 30, 20, 11, 7), 0);
    const DecodedJpeg decoded = DecodeJpeg(encoder.EncodeToMemory());
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, 30);
    EXPECT_GT(Psnr(part, decoded), 40.0);
}

TEST(JpegRoundTrip, LowerQualityMakesSmallerFiles)
{
    const JpegTestSurface source = MakeScreenshotPicture(160, 120);
    std::size_t previous = 0;
    for (int quality : {1, 25, 50, 75, 95, 100}) {
        cJpeg encoder;
        encoder.Quality(quality);
        ASSERT_EQ(encoder.SampleHDC(&source, 160, 120, 0, 0), 0);
        const auto stream = encoder.EncodeToMemory();
        EXPECT_GT(stream.size(), previous) << quality;
        previous = stream.size();
        const DecodedJpeg decoded = DecodeJpeg(stream);
        ASSERT_TRUE(decoded.ok) << decoded.error;
    }
}

TEST(JpegCoefficients, AreThePartsComputationExactly)
{
    // libjpeg reads the coefficients back; they must equal the reference computation
    // (colour conversion, DCT and quantization one value at a time), padding included.
    for (const auto& [w, h] : {std::pair{17, 9}, std::pair{8, 8}, std::pair{13, 22}, std::pair{1, 1}}) {
        for (bool grey : {false, true}) {
            const JpegTestSurface source = MakeGradientPicture(w, h);
            cJpeg encoder;
            encoder.Quality(90);
            if (grey)
                encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
            ASSERT_EQ(encoder.SampleHDC(&source, w, h, 0, 0), 0);
            const auto stream = encoder.EncodeToMemory();
            const ParsedJpeg parsed = ParseJpeg(stream);
            const auto coefficients = ReadCoefficients(stream);
            ASSERT_EQ(coefficients.size(), grey ? 1u : 3u);
            const int across = (w + 7) / 8, down = (h + 7) / 8;
            for (int c = 0; c < static_cast<int>(coefficients.size()); ++c) {
                ASSERT_EQ(coefficients[c].size(), static_cast<std::size_t>(across * down));
                const auto& q = parsed.quantTables.at(c == 0 ? 0 : 1);
                for (int by = 0; by < down; ++by) {
                    for (int bx = 0; bx < across; ++bx) {
                        float block[64];
                        for (int y = 0; y < 8; ++y)
                            for (int x = 0; x < 8; ++x) {
                                const std::uint8_t* p = source.Pixel(std::min(8 * bx + x, w - 1), std::min(8 * by + y, h - 1));
                                block[x + 8 * y] = jpegref::Convert(c, p[2], p[1], p[0]);
                            }
                        jpegref::Dct(block);
                        const auto& actual = coefficients[c][static_cast<std::size_t>(by * across + bx)];
                        for (int k = 0; k < 64; ++k) {
                            const int natural = jpegref::NaturalOrder()[k];
                            const int expected = jpegref::Quantize(block[natural], jpegref::Divisor(natural % 8, natural / 8, q[k]));
                            ASSERT_EQ(actual[natural], expected)
                                << SizeName(w, h) << " component " << c << " block " << bx << "," << by << " zig-zag " << k;
                        }
                    }
                }
            }
        }
    }
}

TEST(JpegSurfaceReads, EachPaddedSizeIsDrawnOnce)
{
    const JpegTestSurface plain = MakeGradientPicture(64, 64);
    cJpeg encoder;
    ASSERT_EQ(encoder.SampleHDC(&plain, 64, 64, 0, 0), 0);
    EXPECT_EQ(plain.RowReads(), 64);  // not once per component

    // 4:2:0: luminance 1:1 (64 rows), then both chroma components from one halving (2 rows each).
    const JpegTestSurface subsampled = MakeGradientPicture(64, 64);
    cJpeg encoder420;
    encoder420.SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    ASSERT_EQ(encoder420.SampleHDC(&subsampled, 64, 64, 0, 0), 0);
    EXPECT_EQ(subsampled.RowReads(), 64 + 64);
}
