// Quantization tables of cJpeg: zig-zag order, quality scaling with its rounding and clamping,
// the divisors, and the tables as they reach the DQT segments.
#include "core/support/JpegReference.h"
#include "core/support/JpegStreamReader.h"
#include "imaging/Jpeg.h"
#include "imaging/JpegTables.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// The tables a cJpeg writes after the given calls, read back from its DQT segments.
std::map<int, std::array<int, 64>> WrittenTables(cJpeg& encoder)
{
    const JpegTestSurface source = MakeGradientPicture(16, 16);
    encoder.SampleHDC(&source, 16, 16, 0, 0);
    return ParseJpeg(encoder.EncodeToMemory()).quantTables;
}

// (base * S + 50) / 100 rounded half to even and clamped, in integers.
int ExpectedQuantizer(int base, int scale)
{
    const int n = base * scale + 50;
    int q = n / 100;
    const int rest = n % 100;
    if (rest > 50 || (rest == 50 && q % 2 == 1))
        ++q;
    return std::clamp(q, 1, 255);
}

std::array<int, 64> Expected(const jpeg::QuantValues& base, int scale)
{
    std::array<int, 64> expected{};
    for (int z = 0; z < 64; ++z)
        expected[z] = ExpectedQuantizer(base[z], scale);
    return expected;
}

} // namespace

TEST(JpegZigZag, FollowsFigureA6)
{
    const auto& map = jpeg::ZigZagMap();
    for (int k = 0; k < 64; ++k)
        EXPECT_EQ(map[jpegref::NaturalOrder()[k]], k) << "zig-zag position " << k;
    EXPECT_EQ(map[1 + 8 * 0], 1);  // (u=1, v=0)
    EXPECT_EQ(map[0 + 8 * 1], 2);  // (u=0, v=1)
}

TEST(JpegZigZag, BaseTablesAreAnnexKInZigZagOrder)
{
    // T.81 Annex K, tables K.1 and K.2, row by row.
    constexpr std::array<int, 64> kLuminance = {
        16, 11, 10, 16, 24, 40, 51, 61,      12, 12, 14, 19, 26, 58, 60, 55,
        14, 13, 16, 24, 40, 57, 69, 56,      14, 17, 22, 29, 51, 87, 80, 62,
        18, 22, 37, 56, 68, 109, 103, 77,    24, 35, 55, 64, 81, 104, 113, 92,
        49, 64, 78, 87, 103, 121, 120, 101,  72, 92, 95, 98, 112, 100, 103, 99,
    };
    constexpr std::array<int, 64> kChrominance = {
        17, 18, 24, 47, 99, 99, 99, 99,  18, 21, 26, 66, 99, 99, 99, 99,
        24, 26, 56, 99, 99, 99, 99, 99,  47, 66, 99, 99, 99, 99, 99, 99,
        99, 99, 99, 99, 99, 99, 99, 99,  99, 99, 99, 99, 99, 99, 99, 99,
        99, 99, 99, 99, 99, 99, 99, 99,  99, 99, 99, 99, 99, 99, 99, 99,
    };
    for (int k = 0; k < 64; ++k) {
        const int natural = jpegref::NaturalOrder()[k];
        EXPECT_EQ(jpeg::BaseLuminanceTable()[k], kLuminance[natural]) << "zig-zag position " << k;
        EXPECT_EQ(jpeg::BaseChrominanceTable()[k], kChrominance[natural]) << "zig-zag position " << k;
    }
}

TEST(JpegQuality, ScaleRoundsHalfToEvenBelowFifty)
{
    EXPECT_EQ(jpeg::QualityScale(1), 5000);
    EXPECT_EQ(jpeg::QualityScale(3), 1667);   // 1666.67
    EXPECT_EQ(jpeg::QualityScale(16), 312);   // 312.5 to even
    EXPECT_EQ(jpeg::QualityScale(49), 102);
    EXPECT_EQ(jpeg::QualityScale(50), 100);
    EXPECT_EQ(jpeg::QualityScale(95), 10);
    EXPECT_EQ(jpeg::QualityScale(100), 0);
}

TEST(JpegQuality, FiftyKeepsEvenValuesAndRaisesOddOnes)
{
    cJpeg encoder;
    encoder.Quality(50);
    const auto tables = WrittenTables(encoder);
    for (int z = 0; z < 64; ++z) {
        const int base = jpeg::BaseLuminanceTable()[z];
        EXPECT_EQ(tables.at(0)[z], base % 2 == 0 ? base : base + 1) << z;
    }
    EXPECT_EQ(tables.at(0)[1], 12);  // 11
    EXPECT_EQ(tables.at(1)[0], 18);  // 17
}

TEST(JpegQuality, NinetyFiveIsTheDefaultAndRoundsTiesToEven)
{
    cJpeg encoder;
    EXPECT_EQ(encoder.Quality(), 95);
    const auto tables = WrittenTables(encoder);
    EXPECT_EQ(tables.at(0)[0], 2);   // 210 / 100
    EXPECT_EQ(tables.at(0)[1], 2);   // base 11: 160 / 100, not 1
    EXPECT_EQ(tables.at(0)[jpeg::ZigZagMap()[5]], 4);  // base 40: 4.5 to even
    EXPECT_EQ(tables.at(0), Expected(jpeg::BaseLuminanceTable(), 10));
    EXPECT_EQ(tables.at(1), Expected(jpeg::BaseChrominanceTable(), 10));
}

TEST(JpegQuality, HundredGivesOnesAndOneGives255)
{
    cJpeg encoder;
    encoder.Quality(100);
    for (const auto& [slot, table] : WrittenTables(encoder))
        for (int q : table)
            EXPECT_EQ(q, 1) << "slot " << slot;
    encoder.Quality(1);
    for (const auto& [slot, table] : WrittenTables(encoder))
        for (int q : table)
            EXPECT_EQ(q, 255) << "slot " << slot;
}

TEST(JpegQuality, EveryQualityMatchesTheIntegerRule)
{
    for (int quality = 1; quality <= 100; ++quality) {
        const int scale = jpeg::QualityScale(quality);
        const jpeg::QuantValues lum = jpeg::ScaleQuantTable(jpeg::BaseLuminanceTable(), scale);
        const jpeg::QuantValues chrom = jpeg::ScaleQuantTable(jpeg::BaseChrominanceTable(), scale);
        for (int z = 0; z < 64; ++z) {
            ASSERT_EQ(lum[z], ExpectedQuantizer(jpeg::BaseLuminanceTable()[z], scale)) << quality;
            ASSERT_EQ(chrom[z], ExpectedQuantizer(jpeg::BaseChrominanceTable()[z], scale)) << quality;
        }
    }
}

TEST(JpegQuality, ValuesOutsideOneToHundredAreIgnored)
{
    cJpeg encoder;
    encoder.Quality(60);
    const auto before = WrittenTables(encoder);
    for (int q : {0, 101, -5, 1000}) {
        encoder.Quality(q);
        EXPECT_EQ(encoder.Quality(), 60);
        EXPECT_EQ(WrittenTables(encoder), before);
    }
}

TEST(JpegDivisors, AreScaleFactorsOverTheQuantizer)
{
    jpeg::QuantSlot slot;
    for (int z = 0; z < 64; ++z)
        slot.values[z] = static_cast<std::uint16_t>(z + 1);
    jpeg::ComputeDivisors(slot);
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u) {
            const int z = jpeg::ZigZagMap()[u + 8 * v];
            EXPECT_EQ(slot.divisors[z], jpegref::Divisor(u, v, z + 1)) << u << "," << v;
        }
    // c(u) c(v) = 1 / (8 s(u) s(v)): the DC divisor for quantizer 1 is 1/8.
    EXPECT_FLOAT_EQ(slot.divisors[0], 0.125f);
}

TEST(JpegDivisors, RejectQuantizersOutsideOneTo255)
{
    for (int bad : {0, 256}) {
        jpeg::QuantSlot slot;
        slot.values.fill(10);
        slot.values[17] = static_cast<std::uint16_t>(bad);
        try {
            jpeg::ComputeDivisors(slot);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const JpegError& e) {
            EXPECT_EQ(e.Number(), 1);
            EXPECT_STREQ(e.what(), "Bad Quantization Table");
        }
    }
}
