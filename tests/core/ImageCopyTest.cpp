#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// A surface that is not a cImage: it has colours but no colour table.
class GradientSurface : public DrawingSurface {
public:
    int SurfaceWidth() const override { return 20; }
    int SurfaceHeight() const override { return 10; }
    void ReadRowBgr(int x, int y, int count, std::uint8_t* bgr) const override
    {
        for (int i = 0; i < count; ++i, bgr += 3) {
            const bool inside = x + i >= 0 && x + i < 20 && y >= 0 && y < 10;
            bgr[0] = inside ? static_cast<std::uint8_t>(x + i) : 0;
            bgr[1] = inside ? static_cast<std::uint8_t>(y) : 0;
            bgr[2] = inside ? 100 : 0;
        }
    }
};

StdPicture Picture(int width, int height, int bits, int stride, const std::vector<std::uint8_t>& pixels)
{
    StdPicture p;
    p.width = width;
    p.height = height;
    p.bitsPerPixel = bits;
    p.stride = stride;
    p.pixels = pixels;
    return p;
}

} // namespace

TEST(ImageCopyStdPicture, ThirtyTwoBitPicturesBecomeTwentyFourBit)
{
    // Two rows of two pixels, B G R X, with two bytes of padding per row.
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 0xFF, 4, 5, 6, 0xFF, 0, 0,
                                              7, 8, 9, 0xFF, 10, 11, 12, 0xFF, 0, 0};
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(Picture(2, 2, 32, 10, pixels)));
    EXPECT_EQ(image.BitCount(), 24);
    EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{1, 2, 3}));
    EXPECT_EQ(PixelAt(image, 1, 1), (Bgr{10, 11, 12}));

    StdPicture upsideDown = Picture(2, 2, 32, 10, pixels);
    upsideDown.bottomUp = true;
    ASSERT_TRUE(image.CopyStdPicture(upsideDown));
    EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{7, 8, 9}));
    EXPECT_EQ(PixelAt(image, 1, 1), (Bgr{4, 5, 6}));
}

TEST(ImageCopyStdPicture, SixteenBitPicturesWidenTheirChannelsToFullRange)
{
    // Little-endian words, red in the top five bits, green six, blue five.
    const std::vector<std::uint8_t> pixels = {0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07, 0x10, 0x84};
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(Picture(4, 1, 16, 8, pixels)));
    EXPECT_EQ(image.BitCount(), 24);
    EXPECT_EQ(PixelAt(image, 0, 0), Grey(255));
    EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{0, 0, 255}));
    EXPECT_EQ(PixelAt(image, 2, 0), (Bgr{0, 255, 0}));
    EXPECT_EQ(PixelAt(image, 3, 0), (Bgr{132, 130, 132}));
}

TEST(ImageCopyStdPicture, PalettePicturesKeepIndicesAndColourTable)
{
    const std::vector<RgbQuad> palette = {{0, 0, 255, 0}, {255, 0, 0, 0}};   // red, blue
    const std::vector<std::uint8_t> pixels = {0, 1, 2, 255};
    StdPicture picture = Picture(4, 1, 8, 4, pixels);
    picture.palette = palette;
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(picture));
    EXPECT_EQ(image.BitCount(), 8);
    EXPECT_EQ(image.DIBitsPtr()[3], 255);
    EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{0, 0, 255}));
    EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{255, 0, 0}));
    // Beyond a short palette the grey ramp goes on, so a picture without one is greyscale.
    EXPECT_EQ(PixelAt(image, 2, 0), Grey(2));
    EXPECT_EQ(PixelAt(image, 3, 0), Grey(255));

    // Ten one-bit pixels; the six bits past the row end in the second byte are not copied.
    const std::vector<std::uint8_t> mono = {0xA5, 0xFF};
    ASSERT_TRUE(image.CopyStdPicture(Picture(10, 1, 1, 2, mono)));
    EXPECT_EQ(image.BitCount(), 1);
    EXPECT_EQ(image.DIBitsPtr()[0], 0xA5);
    EXPECT_EQ(image.DIBitsPtr()[1], 0xC0);
    EXPECT_EQ(PixelAt(image, 9, 0), Grey(255));
}

TEST(ImageCopyStdPicture, AGivenBitCountMatchesEveryPixelToItsColours)
{
    const std::vector<std::uint8_t> pixels = {200, 200, 200, 10, 10, 30, 255, 0, 0};
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(Picture(3, 1, 24, 9, pixels), 8));
    EXPECT_EQ(image.BitCount(), 8);
    EXPECT_EQ(PixelAt(image, 0, 0), Grey(200));
    EXPECT_EQ(PixelAt(image, 1, 0), Grey(17));
    EXPECT_EQ(PixelAt(image, 2, 0), Grey(85));

    ASSERT_TRUE(image.CopyStdPicture(Picture(3, 1, 24, 9, pixels), 1));
    EXPECT_EQ(PixelAt(image, 0, 0), Grey(255));
    EXPECT_EQ(PixelAt(image, 2, 0), Grey(0));

    // Only the picture's own depth is widened; asking for 16 bits asks for the impossible.
    EXPECT_FALSE(image.CopyStdPicture(Picture(3, 1, 24, 9, pixels), 16));
    EXPECT_EQ(image.hDC(), nullptr);
}

TEST(ImageCopyStdPicture, RefusesDescriptionsThatDoNotFitTheirPixels)
{
    const std::vector<std::uint8_t> pixels(12, 0);
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(Picture(2, 2, 24, 6, pixels)));
    EXPECT_FALSE(image.CopyStdPicture(Picture(2, 2, 24, 5, pixels)));    // stride below a row
    EXPECT_EQ(image.hDC(), nullptr);
    EXPECT_FALSE(image.CopyStdPicture(Picture(2, 3, 24, 6, pixels)));    // rows past the end
    EXPECT_FALSE(image.CopyStdPicture(Picture(4, 1, 2, 4, pixels)));     // no such depth
    EXPECT_FALSE(image.CopyStdPicture(Picture(0, 1, 24, 6, pixels)));
    EXPECT_FALSE(image.CopyStdPicture(Picture(-1, 1, 24, 6, pixels)));
    EXPECT_FALSE(image.CopyStdPicture(Picture(1, 2, 8, -4, pixels)));
    EXPECT_FALSE(image.CopyStdPicture(Picture(2, 2, 24, 6, {})));
}

TEST(ImageCopyHDC, CopiesARectangleFromAnOffset)
{
    const GradientSurface surface;
    cImage image;
    ASSERT_TRUE(image.CopyHDC(&surface, 4, 3, 0, 17, 2));
    EXPECT_EQ(image.BitCount(), 24);   // a surface without colour table
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{17, 2, 100}));
    EXPECT_EQ(PixelAt(image, 2, 2), (Bgr{19, 4, 100}));
    EXPECT_EQ(PixelAt(image, 3, 1), Grey(0));   // column 20 lies outside the surface

    ASSERT_TRUE(image.CopyHDC(&surface, 2, 2, 8, 5, 5));
    EXPECT_EQ(image.BitCount(), 8);
    EXPECT_EQ(PixelAt(image, 0, 0), Grey(37));   // (5 + 5 + 100) / 3 rounded

    EXPECT_FALSE(image.CopyHDC(nullptr, 2, 2));
    EXPECT_EQ(image.hDC(), nullptr);
    EXPECT_FALSE(image.CopyHDC(&surface, 0, 2));
}

TEST(ImageCopyHDC, TakesDepthAndColoursFromAPaletteImage)
{
    const std::vector<RgbQuad> palette = {{0, 0, 255, 0}, {0, 255, 0, 0}};
    const std::vector<std::uint8_t> pixels = {0x60, 0x00};   // pixels 1 and 2 set, of ten
    StdPicture picture = Picture(10, 1, 1, 2, pixels);
    picture.palette = palette;
    cImage source;
    ASSERT_TRUE(source.CopyStdPicture(picture));

    cImage copy;
    ASSERT_TRUE(copy.CopyHDC(source.hDC(), 4, 2, 0, 1, 0));
    EXPECT_EQ(copy.BitCount(), 1);
    EXPECT_TRUE(std::ranges::equal(copy.ColorTable(), palette));
    EXPECT_EQ(copy.DIBitsPtr()[copy.BytesPerScanLine()], 0xC0);   // top row: pixels 1, 2 → 0, 1
    // The row below the source is black, the colour nearest to it in this table being red.
    EXPECT_EQ(PixelAt(copy, 0, 1), (Bgr{0, 0, 255}));
}

TEST(ImageCopyHDC, CopiesFromItself)
{
    auto image = Make24(4, 4, [](int x, int y) { return Grey(10 * x + y); });
    ASSERT_TRUE(image->CopyHDC(image->hDC(), 2, 2, 0, 1, 2));
    EXPECT_EQ(image->Width(), 2);
    EXPECT_EQ(PixelAt(*image, 0, 0), Grey(12));
    EXPECT_EQ(PixelAt(*image, 1, 1), Grey(23));
}

TEST(ImageCopyPalletHDC, TakesOverTheColoursButNotTheIndices)
{
    auto bytes = MakeIndexed(2, 1, 8, [](int x, int) { return x == 0 ? 1u : 7u; });
    const std::vector<RgbQuad> palette = {{1, 2, 3, 0}, {4, 5, 6, 0}};
    const std::vector<std::uint8_t> pixels = {0};
    StdPicture picture = Picture(1, 1, 1, 1, pixels);
    picture.palette = palette;
    cImage mono;
    ASSERT_TRUE(mono.CopyStdPicture(picture));

    ASSERT_TRUE(bytes->CopyPalletHDC(mono.hDC()));
    EXPECT_EQ(PixelAt(*bytes, 0, 0), (Bgr{4, 5, 6}));
    EXPECT_EQ(PixelAt(*bytes, 1, 0), Grey(7));

    // The other way round only as many entries as the smaller table holds.
    auto ramp = MakeIndexed(1, 1, 8, [](int, int) { return 0u; });
    ASSERT_TRUE(mono.CopyPalletHDC(ramp->hDC()));
    EXPECT_EQ(mono.ColorTable()[1], (RgbQuad{1, 1, 1, 0}));

    const GradientSurface surface;
    auto colour = Make24(1, 1, [](int, int) { return Grey(0); });
    EXPECT_FALSE(bytes->CopyPalletHDC(&surface));
    EXPECT_FALSE(bytes->CopyPalletHDC(colour->hDC()));
    EXPECT_FALSE(colour->CopyPalletHDC(mono.hDC()));
    EXPECT_FALSE(bytes->CopyPalletHDC(nullptr));
}

TEST(ImagePaintHDC, CopiesIntoTheTargetClippedToItsEdges)
{
    auto target = Make24(4, 4, [](int, int) { return Grey(9); });
    auto patch = Make24(3, 3, [](int x, int y) { return Grey(100 + 10 * y + x); });
    ASSERT_TRUE(patch->PaintHDC(*target, -1, 2));
    EXPECT_EQ(PixelAt(*target, 0, 2), Grey(101));
    EXPECT_EQ(PixelAt(*target, 1, 3), Grey(112));
    EXPECT_EQ(PixelAt(*target, 2, 2), Grey(9));
    EXPECT_EQ(PixelAt(*target, 0, 1), Grey(9));

    EXPECT_TRUE(patch->PaintHDC(*target, 4, 0));                   // wholly outside: nothing
    EXPECT_TRUE(patch->PaintHDC(*target, INT_MIN, INT_MAX));
    cImage empty;
    EXPECT_FALSE(patch->PaintHDC(empty, 0, 0));
    EXPECT_FALSE(empty.PaintHDC(*target, 0, 0));
}

TEST(ImagePaintHDC, CombinesSourceAndDestinationBits)
{
    const Bgr source{0xF0, 0x0F, 0x55};
    const Bgr destination{0xCC, 0xCC, 0xFF};
    const struct {
        RasterOp rop;
        Bgr expected;
    } cases[] = {
        {RasterOp::SrcCopy, source},
        {RasterOp::SrcPaint, {0xFC, 0xCF, 0xFF}},
        {RasterOp::SrcAnd, {0xC0, 0x0C, 0x55}},
        {RasterOp::SrcInvert, {0x3C, 0xC3, 0xAA}},
        {RasterOp::SrcErase, {0x30, 0x03, 0x00}},
        {RasterOp::NotSrcCopy, {0x0F, 0xF0, 0xAA}},
        {RasterOp::NotSrcErase, {0x03, 0x30, 0x00}},
        {RasterOp::MergePaint, {0xCF, 0xFC, 0xFF}},
        {RasterOp::DstInvert, {0x33, 0x33, 0x00}},
        {RasterOp::Blackness, Grey(0)},
        {RasterOp::Whiteness, Grey(255)},
    };
    auto patch = Make24(1, 1, [&](int, int) { return source; });
    for (const auto& c : cases) {
        auto target = Make24(1, 1, [&](int, int) { return destination; });
        ASSERT_TRUE(patch->PaintHDC(*target, 0, 0, c.rop)) << static_cast<std::uint32_t>(c.rop);
        EXPECT_EQ(PixelAt(*target, 0, 0), c.expected) << std::hex << static_cast<std::uint32_t>(c.rop);
    }
    auto target = Make24(1, 1, [&](int, int) { return destination; });
    EXPECT_FALSE(patch->PaintHDC(*target, 0, 0, static_cast<RasterOp>(0x00C000CA)));   // needs a brush
    EXPECT_EQ(PixelAt(*target, 0, 0), destination);
}

TEST(ImagePaintHDC, CombinesIndicesOnPaletteTargets)
{
    auto target = MakeIndexed(2, 1, 4, [](int, int) { return 0x5u; });
    auto patch = MakeIndexed(1, 1, 4, [](int, int) { return 0x3u; });
    ASSERT_TRUE(patch->PaintHDC(*target, 1, 0, RasterOp::SrcPaint));
    EXPECT_EQ(PixelAt(*target, 1, 0), Grey(17 * 7));
    EXPECT_EQ(PixelAt(*target, 0, 0), Grey(17 * 5));
    ASSERT_TRUE(patch->PaintHDC(*target, 0, 0, RasterOp::NotSrcCopy));   // stays within 4 bits
    EXPECT_EQ(PixelAt(*target, 0, 0), Grey(17 * 12));

    // A colour source is matched to the target's colours first.
    auto colour = Make24(1, 1, [](int, int) { return Grey(50); });
    ASSERT_TRUE(colour->PaintHDC(*target, 0, 0));
    EXPECT_EQ(PixelAt(*target, 0, 0), Grey(51));
}

TEST(ImagePaintHDC, PaintsIntoItselfAsFromACopy)
{
    auto image = Make24(4, 1, [](int x, int) { return Grey(x + 1); });
    ASSERT_TRUE(image->PaintHDC(*image, 1, 0));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(PixelAt(*image, x, 0), Grey(x == 0 ? 1 : x)) << x;
}
