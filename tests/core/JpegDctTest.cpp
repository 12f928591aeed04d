// The numeric core of SampleHDC: colour conversion, AAN DCT and quantization give exactly the
// single-precision results of the conversion and DCT formulas, in their fixed order.
#include "core/support/JpegReference.h"
#include "imaging/JpegDct.h"
#include "imaging/JpegTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace {

jpeg::PixelBlock RandomPixels(std::mt19937& rng, std::uint8_t bgr[8 * 24])
{
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 8 * 24; ++i)
        bgr[i] = static_cast<std::uint8_t>(byte(rng));
    jpeg::PixelBlock pixels;
    jpeg::LoadPixelBlock(bgr, 24, pixels);
    return pixels;
}

jpeg::QuantSlot SlotOf(int quality, bool luminance)
{
    jpeg::QuantSlot slot{jpeg::ScaleQuantTable(luminance ? jpeg::BaseLuminanceTable() : jpeg::BaseChrominanceTable(),
                                               jpeg::QualityScale(quality)),
                         {}};
    jpeg::ComputeDivisors(slot);
    return slot;
}

} // namespace

TEST(JpegColour, ConversionIsExactlyThePartsFormula)
{
    std::mt19937 rng(1);
    std::uint8_t bgr[8 * 24];
    for (int round = 0; round < 50; ++round) {
        const jpeg::PixelBlock pixels = RandomPixels(rng, bgr);
        for (int c = 0; c < 3; ++c) {
            float work[64];
            jpeg::ConvertBlock(pixels, c, work);
            for (int i = 0; i < 64; ++i) {
                const std::uint8_t* p = bgr + 24 * (i / 8) + 3 * (i % 8);
                ASSERT_EQ(work[i], jpegref::Convert(c, p[2], p[1], p[0])) << "component " << c << " element " << i;
            }
        }
    }
}

TEST(JpegColour, GreyPixelsHaveNoChroma)
{
    std::uint8_t bgr[8 * 24];
    for (int i = 0; i < 8 * 24; ++i)
        bgr[i] = 200;
    jpeg::PixelBlock pixels;
    jpeg::LoadPixelBlock(bgr, 24, pixels);
    float y[64], cb[64], cr[64];
    jpeg::ConvertBlock(pixels, 0, y);
    jpeg::ConvertBlock(pixels, 1, cb);
    jpeg::ConvertBlock(pixels, 2, cr);
    EXPECT_NEAR(y[0], 72.0f, 1e-4f);
    EXPECT_NEAR(cb[0], 0.0f, 1e-4f);
    EXPECT_NEAR(cr[0], 0.0f, 1e-4f);
}

TEST(JpegDct, IsEightTimesScaledTrueDct)
{
    std::mt19937 rng(2);
    std::uniform_real_distribution<float> sample(-128.0f, 127.0f);
    float block[64], original[64];
    for (int i = 0; i < 64; ++i)
        original[i] = block[i] = sample(rng);
    jpeg::ForwardDct(block);
    for (int v = 0; v < 8; ++v) {
        for (int u = 0; u < 8; ++u) {
            double f = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    f += original[x + 8 * y] * std::cos((2 * x + 1) * u * M_PI / 16) * std::cos((2 * y + 1) * v * M_PI / 16);
            const double cu = u == 0 ? 1 / std::sqrt(2.0) : 1.0, cv = v == 0 ? 1 / std::sqrt(2.0) : 1.0;
            const double su = u == 0 ? 1.0 : std::sqrt(2.0) * std::cos(u * M_PI / 16);
            const double sv = v == 0 ? 1.0 : std::sqrt(2.0) * std::cos(v * M_PI / 16);
            const double expected = 8 * su * sv * (0.25 * cu * cv * f);
            EXPECT_NEAR(block[u + 8 * v], expected, 0.02 + 1e-4 * std::abs(expected)) << u << "," << v;
        }
    }
}

TEST(JpegDct, GivesTheReferenceBitForBit)
{
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> sample(-128.0f, 127.99f);
    for (int round = 0; round < 200; ++round) {
        float block[64], reference[64];
        for (int i = 0; i < 64; ++i)
            block[i] = reference[i] = (round % 4 == 0) ? std::round(sample(rng)) : sample(rng);
        jpeg::ForwardDct(block);
        jpegref::Dct(reference);
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(block[i], reference[i]) << "round " << round << " element " << i;
    }
}

TEST(JpegQuantize, StoresZigZagOrderRoundedHalfToEven)
{
    std::mt19937 rng(4);
    for (int quality : {1, 50, 95, 100}) {
        const jpeg::QuantSlot slot = SlotOf(quality, quality != 50);
        const jpeg::QuantDivisors divisors = jpeg::PrepareDivisors(slot);
        std::uint8_t bgr[8 * 24];
        const jpeg::PixelBlock pixels = RandomPixels(rng, bgr);
        alignas(16) float work[64];
        float reference[64];
        jpeg::ConvertBlock(pixels, 0, work);
        std::copy(work, work + 64, reference);
        std::int16_t out[64];
        jpeg::TransformAndQuantize(work, divisors, out);
        jpegref::Dct(reference);
        for (int v = 0; v < 8; ++v)
            for (int u = 0; u < 8; ++u) {
                const int z = jpeg::ZigZagMap()[u + 8 * v];
                ASSERT_EQ(out[z], jpegref::Quantize(reference[u + 8 * v], jpegref::Divisor(u, v, slot.values[z])))
                    << "quality " << quality << " (" << u << "," << v << ")";
            }
    }
}

TEST(JpegQuantize, TiesGoToTheEvenNeighbour)
{
    // A flat block of value a has DC 64a and nothing else; with quantizer 16 the DC becomes a / 2.
    jpeg::QuantSlot slot;
    slot.values.fill(16);
    jpeg::ComputeDivisors(slot);
    const jpeg::QuantDivisors divisors = jpeg::PrepareDivisors(slot);
    const std::pair<float, int> cases[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {-1, 0}, {-3, -2}, {-5, -2}, {6, 3}};
    for (const auto& [a, expected] : cases) {
        alignas(16) float work[64];
        std::fill(work, work + 64, a);
        std::int16_t out[64];
        jpeg::TransformAndQuantize(work, divisors, out);
        EXPECT_EQ(out[0], expected) << "a = " << a;
        for (int z = 1; z < 64; ++z)
            ASSERT_EQ(out[z], 0);
    }
}
