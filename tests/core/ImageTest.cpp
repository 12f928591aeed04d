#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// The row lengths as the bitmap format states them, per bit count.
int DocumentedScanLine(int width, int bitCount)
{
    switch (bitCount) {
    case 1: return ((width - 1) / 8 + 4) & ~3;
    case 4: return ((width - 1) / 2 + 4) & ~3;
    case 8: return (width + 3) & ~3;
    default: return (3 * width + 3) & ~3;
    }
}

} // namespace

TEST(ImageLayout, RowsArePaddedToWholeWordsAtEveryBitCount)
{
    for (const int bitCount : {1, 4, 8, 24}) {
        for (int width = 1; width <= 70; ++width) {
            cImage image;
            ASSERT_TRUE(image.Create(width, 3, bitCount));
            EXPECT_EQ(image.BytesPerScanLine(), DocumentedScanLine(width, bitCount))
                << width << " pixels at " << bitCount << " bits";
            EXPECT_EQ(image.Header().sizeImage, static_cast<std::uint32_t>(image.BytesPerScanLine() * 3));
        }
    }
    const int expected33[] = {8, 20, 36, 100};
    int i = 0;
    for (const int bitCount : {1, 4, 8, 24}) {
        cImage one, odd;
        ASSERT_TRUE(one.Create(1, 1, bitCount));
        ASSERT_TRUE(odd.Create(33, 1, bitCount));
        EXPECT_EQ(one.BytesPerScanLine(), 4);
        EXPECT_EQ(odd.BytesPerScanLine(), expected33[i++]);
    }
}

TEST(ImageLayout, FirstRowInMemoryIsTheBottomRow)
{
    cImage colour;
    ASSERT_TRUE(colour.Create(2, 3, 24));
    std::uint8_t* bottom = colour.DIBitsPtr();
    bottom[3] = 10;     // second pixel: B, G, R
    bottom[4] = 20;
    bottom[5] = 30;
    EXPECT_EQ(PixelAt(colour, 1, 2), (Bgr{10, 20, 30}));
    EXPECT_EQ(PixelAt(colour, 1, 0), Grey(0));

    cImage mono;
    ASSERT_TRUE(mono.Create(10, 2, 1));
    mono.DIBitsPtr()[0] = 0x80;   // leftmost pixel in the high bit
    mono.DIBitsPtr()[1] = 0x40;   // pixel 9
    EXPECT_EQ(PixelAt(mono, 0, 1), Grey(255));
    EXPECT_EQ(PixelAt(mono, 1, 1), Grey(0));
    EXPECT_EQ(PixelAt(mono, 9, 1), Grey(255));
    EXPECT_EQ(PixelAt(mono, 0, 0), Grey(0));

    cImage nibbles;
    ASSERT_TRUE(nibbles.Create(3, 1, 4));
    nibbles.DIBitsPtr()[0] = 0x1F;
    nibbles.DIBitsPtr()[1] = 0x20;
    EXPECT_EQ(PixelAt(nibbles, 0, 0), Grey(17));
    EXPECT_EQ(PixelAt(nibbles, 1, 0), Grey(255));
    EXPECT_EQ(PixelAt(nibbles, 2, 0), Grey(34));
}

TEST(ImageLayout, NewPaletteImagesCarryTheGreyRamp)
{
    cImage mono, nibbles, bytes, colour;
    ASSERT_TRUE(mono.Create(1, 1, 1));
    ASSERT_TRUE(nibbles.Create(1, 1, 4));
    ASSERT_TRUE(bytes.Create(1, 1, 8));
    ASSERT_TRUE(colour.Create(1, 1, 24));

    ASSERT_EQ(mono.ColorTable().size(), 2u);
    EXPECT_EQ(mono.ColorTable()[0], (RgbQuad{0, 0, 0, 0}));
    EXPECT_EQ(mono.ColorTable()[1], (RgbQuad{255, 255, 255, 0}));
    ASSERT_EQ(nibbles.ColorTable().size(), 16u);
    for (int i = 0; i < 16; ++i) {
        const auto v = static_cast<std::uint8_t>(17 * i);
        EXPECT_EQ(nibbles.ColorTable()[static_cast<std::size_t>(i)], (RgbQuad{v, v, v, 0}));
    }
    ASSERT_EQ(bytes.ColorTable().size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        EXPECT_EQ(bytes.ColorTable()[static_cast<std::size_t>(i)], (RgbQuad{v, v, v, 0}));
    }
    EXPECT_TRUE(colour.ColorTable().empty());
}

TEST(ImageCreate, RefusesUnsupportedBitCountsAndSizes)
{
    for (const int bitCount : {0, 2, 16, 32, -8}) {
        cImage image;
        EXPECT_FALSE(image.Create(4, 4, bitCount)) << bitCount;
        EXPECT_EQ(image.hDC(), nullptr);
    }
    cImage image;
    EXPECT_FALSE(image.Create(0, 4, 24));
    EXPECT_FALSE(image.Create(4, 0, 24));
    EXPECT_FALSE(image.Create(-4, 4, 8));
    EXPECT_FALSE(image.Create(4, -4, 8));
    // Sizes whose buffer would overflow or exhaust memory fail before anything is allocated.
    EXPECT_FALSE(image.Create(INT_MAX, INT_MAX, 24));
    EXPECT_FALSE(image.Create(INT_MAX, 2, 24));
    EXPECT_FALSE(image.Create(1, INT_MAX, 1));
}

TEST(ImageCreate, FailureLeavesTheObjectEmpty)
{
    cImage image;
    EXPECT_EQ(image.hDC(), nullptr);
    EXPECT_EQ(image.DIBitsPtr(), nullptr);
    EXPECT_EQ(image.BytesPerScanLine(), 0);

    ASSERT_TRUE(image.Create(10, 10, 24));
    EXPECT_EQ(image.hDC(), &image);
    EXPECT_NE(image.DIBitsPtr(), nullptr);

    EXPECT_FALSE(image.Create(5, 5, 16));
    EXPECT_EQ(image.hDC(), nullptr);
    EXPECT_EQ(image.DIBitsPtr(), nullptr);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_EQ(image.BitCount(), 0);
    EXPECT_TRUE(image.ColorTable().empty());
}

TEST(ImageSurface, PixelsOutsideTheImageReadAsBlack)
{
    auto image = Make24(4, 3, [](int x, int y) { return Bgr{static_cast<std::uint8_t>(x + 1), static_cast<std::uint8_t>(y + 1), 9}; });
    ASSERT_EQ(image->hDC()->SurfaceWidth(), 4);
    ASSERT_EQ(image->hDC()->SurfaceHeight(), 3);

    std::vector<std::uint8_t> row(3 * 8, 0xAA);
    image->ReadRowBgr(-2, 1, 8, row.data());
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 0, 0, 1, 2, 9, 2, 2, 9, 3, 2, 9, 4, 2, 9,
                                                0, 0, 0, 0, 0, 0};
    EXPECT_EQ(row, expected);

    for (const int y : {-1, 3, INT_MIN, INT_MAX}) {
        std::vector<std::uint8_t> outside(6, 0xAA);
        image->ReadRowBgr(0, y, 2, outside.data());
        EXPECT_EQ(outside, std::vector<std::uint8_t>(6, 0)) << y;
    }
    std::vector<std::uint8_t> far(6, 0xAA);
    image->ReadRowBgr(INT_MAX - 1, 0, 2, far.data());
    EXPECT_EQ(far, std::vector<std::uint8_t>(6, 0));
    image->ReadRowBgr(INT_MIN, 0, 2, far.data());
    EXPECT_EQ(far, std::vector<std::uint8_t>(6, 0));

    cImage empty;
    std::vector<std::uint8_t> none(3, 0xAA);
    empty.ReadRowBgr(0, 0, 1, none.data());
    EXPECT_EQ(none, std::vector<std::uint8_t>(3, 0));
}

TEST(ImageSurface, PaletteImagesReadThroughTheirColourTable)
{
    auto nibbles = MakeIndexed(5, 2, 4, [](int x, int y) { return static_cast<unsigned>(x + 5 * y); });
    std::vector<std::uint8_t> row(3 * 5);
    nibbles->ReadRowBgr(0, 1, 5, row.data());
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(row[3 * x], 17 * (x + 5)) << x;

    auto mono = MakeIndexed(9, 1, 1, [](int x, int) { return x == 8 ? 1u : 0u; });
    EXPECT_EQ(PixelAt(*mono, 7, 0), Grey(0));
    EXPECT_EQ(PixelAt(*mono, 8, 0), Grey(255));
}
