// The pixels SampleHDC works on: the source copied 1:1 or area-averaged, padded by replication.
#include "core/support/JpegTestSurface.h"
#include "imaging/JpegSampler.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Channel(const std::vector<std::uint8_t>& bgr, int channel)
{
    std::vector<int> values;
    for (std::size_t i = channel; i < bgr.size(); i += 3)
        values.push_back(bgr[i]);
    return values;
}

} // namespace

TEST(JpegAreaAverage, HalvingAveragesPairs)
{
    JpegTestSurface s(4, 2);
    const int reds[2][4] = {{0, 100, 200, 250}, {10, 30, 60, 60}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            s.SetPixel(x, y, static_cast<std::uint8_t>(reds[y][x]), 7, 255);
    const auto out = jpeg::AreaAverage(s, 0, 0, 4, 2, 2, 1);
    EXPECT_EQ(Channel(out, 2), (std::vector<int>{35, 143}));  // 140/4, 570/4 = 142.5 rounds up
    EXPECT_EQ(Channel(out, 1), (std::vector<int>{7, 7}));
    EXPECT_EQ(Channel(out, 0), (std::vector<int>{255, 255}));
}

TEST(JpegAreaAverage, WeighsPartlyCoveredPixelsByTheirShare)
{
    JpegTestSurface s(3, 1);
    s.SetPixel(0, 0, 0, 0, 0);
    s.SetPixel(1, 0, 90, 0, 0);
    s.SetPixel(2, 0, 180, 0, 0);
    // Each of 2 target pixels covers one and a half source pixels.
    EXPECT_EQ(Channel(jpeg::AreaAverage(s, 0, 0, 3, 1, 2, 1), 2), (std::vector<int>{30, 150}));
    // Vertically the same.
    JpegTestSurface t(1, 3);
    t.SetPixel(0, 0, 0, 0, 0);
    t.SetPixel(0, 1, 0, 90, 0);
    t.SetPixel(0, 2, 0, 180, 0);
    EXPECT_EQ(Channel(jpeg::AreaAverage(t, 0, 0, 1, 3, 1, 2), 1), (std::vector<int>{30, 150}));
}

TEST(JpegAreaAverage, KeepsAFlatPictureFlatAndReadsFromTheOffset)
{
    JpegTestSurface s(40, 30);
    s.Fill(9, 9, 9);
    for (int y = 10; y < 30; ++y)
        for (int x = 5; x < 40; ++x)
            s.SetPixel(x, y, 201, 77, 13);
    const auto out = jpeg::AreaAverage(s, 5, 10, 35, 20, 11, 7);
    ASSERT_EQ(out.size(), 11u * 7u * 3u);
    for (std::size_t i = 0; i < out.size(); i += 3) {
        EXPECT_EQ(out[i], 13);
        EXPECT_EQ(out[i + 1], 77);
        EXPECT_EQ(out[i + 2], 201);
    }
}

TEST(JpegSampledArea, PadsByRepeatingTheLastColumnAndRow)
{
    JpegTestSurface s(10, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x)
            s.SetPixel(x, y, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0);
    jpeg::SampledArea area(s, 0, 0, 10, 3, 10, 3, 16, 8);
    const std::uint8_t* strip = area.Strip(0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint8_t* p = strip + y * area.StripStride() + 3 * x;
            EXPECT_EQ(p[2], std::min(x, 9)) << x << "," << y;
            EXPECT_EQ(p[1], std::min(y, 2)) << x << "," << y;
        }
}

TEST(JpegSampledArea, SinglePixelFillsTheWholeBlock)
{
    JpegTestSurface s(1, 1);
    s.SetPixel(0, 0, 1, 2, 3);
    jpeg::SampledArea area(s, 0, 0, 1, 1, 1, 1, 8, 8);
    const std::uint8_t* strip = area.Strip(0);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(strip[3 * i], 3);
        EXPECT_EQ(strip[3 * i + 1], 2);
        EXPECT_EQ(strip[3 * i + 2], 1);
    }
}

TEST(JpegSampledArea, ScaledAreaIsPaddedFromTheScaledPicture)
{
    JpegTestSurface s(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            s.SetPixel(x, y, static_cast<std::uint8_t>(10 * x), 0, static_cast<std::uint8_t>(10 * y));
    jpeg::SampledArea area(s, 0, 0, 20, 20, 10, 10, 16, 16);
    const std::uint8_t* second = area.Strip(1);  // rows 8..15; rows 10.. repeat row 9
    const std::uint8_t* p = second + 7 * area.StripStride() + 3 * 15;
    EXPECT_EQ(p[2], 185);  // column 9 covers source columns 18 and 19
    EXPECT_EQ(p[0], 185);
}

TEST(JpegTestSurface, ReadsBlackOutsideItself)
{
    JpegTestSurface s(3, 2);
    s.Fill(10, 20, 30);
    std::vector<std::uint8_t> row(6 * 3, 99);
    s.ReadRowBgr(-2, 1, 6, row.data());
    EXPECT_EQ(row, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 30, 20, 10, 30, 20, 10, 30, 20, 10, 0, 0, 0}));
    s.ReadRowBgr(0, 2, 6, row.data());
    EXPECT_EQ(row, std::vector<std::uint8_t>(18, 0));
    s.ReadRowBgr(5, 0, 2, row.data());
    EXPECT_EQ(std::vector<std::uint8_t>(row.begin(), row.begin() + 6), std::vector<std::uint8_t>(6, 0));
    std::fill(row.begin(), row.end(), 99);
    s.ReadRowBgr(-10, 0, 2, row.data());
    EXPECT_EQ(std::vector<std::uint8_t>(row.begin(), row.begin() + 6), std::vector<std::uint8_t>(6, 0));
}
