#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

// Pixel (x, y) of a 3 × 2 picture: every pixel its own colour.
Bgr Distinct(int x, int y)
{
    return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(10 * y + x)};
}

::testing::AssertionResult SamePixels(const cImage& a, const cImage& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.BitCount() != b.BitCount())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(PixelAt(a, x, y) == PixelAt(b, x, y)))
                return ::testing::AssertionFailure() << "pixel " << x << ',' << y << " differs";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ImageGreyscale, TakesEveryPixelToTheNearestGrey)
{
    const Bgr colours[] = {{0, 0, 255}, {10, 20, 31}, {255, 255, 255}, {1, 1, 0}, {0, 0, 0}};
    const int greys[] = {85, 20, 255, 1, 0};
    auto image = Make24(5, 1, [&](int x, int) { return colours[x]; });
    auto grey = image->Greyscale();
    ASSERT_EQ(grey->BitCount(), 8);
    ASSERT_EQ(grey->Width(), 5);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(grey->DIBitsPtr()[x], greys[x]) << x;
    EXPECT_EQ(PixelAt(*image, 0, 0), colours[0]);   // the source stays as it was

    auto nibbles = MakeIndexed(2, 1, 4, [](int x, int) { return x ? 15u : 3u; });
    auto fromPalette = nibbles->Greyscale();
    EXPECT_EQ(fromPalette->DIBitsPtr()[0], 51);
    EXPECT_EQ(fromPalette->DIBitsPtr()[1], 255);

    cImage empty;
    auto none = empty.Greyscale();
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->hDC(), nullptr);
}

TEST(ImageResample, FlatAreasStayFlat)
{
    auto flat = Make24(7, 5, [](int, int) { return Bgr{12, 34, 56}; });
    for (const auto& [w, h] : {std::pair{3, 2}, std::pair{13, 11}, std::pair{1, 1}, std::pair{7, 1}}) {
        auto scaled = flat->Resample(w, h);
        ASSERT_EQ(scaled->Width(), w);
        ASSERT_EQ(scaled->Height(), h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(PixelAt(*scaled, x, y), (Bgr{12, 34, 56})) << w << 'x' << h << " at " << x << ',' << y;
    }
    auto greyFlat = MakeIndexed(5, 5, 8, [](int, int) { return 77u; });
    auto small = greyFlat->Resample(2, 3);
    EXPECT_EQ(small->BitCount(), 8);
    EXPECT_EQ(PixelAt(*small, 1, 2), Grey(77));
}

TEST(ImageResample, AveragesTheAreaEachPixelCovers)
{
    auto checker = Make24(4, 4, [](int x, int y) { return Grey((x + y) % 2 ? 255 : 0); });
    auto half = checker->Resample(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(PixelAt(*half, x, y), Grey(128));   // 127.5 rounded
    EXPECT_EQ(PixelAt(*checker->Resample(1, 1), 0, 0), Grey(128));

    // Three pixels into two: each new pixel holds one and a half old ones.
    auto spike = Make24(3, 1, [](int x, int) { return Grey(x == 1 ? 255 : 0); });
    auto two = spike->Resample(2, 1);
    EXPECT_EQ(PixelAt(*two, 0, 0), Grey(85));
    EXPECT_EQ(PixelAt(*two, 1, 0), Grey(85));

    // Two into three: the middle pixel straddles both.
    auto step = Make24(2, 1, [](int x, int) { return Grey(x ? 255 : 0); });
    auto three = step->Resample(3, 1);
    EXPECT_EQ(PixelAt(*three, 0, 0), Grey(0));
    EXPECT_EQ(PixelAt(*three, 1, 0), Grey(128));
    EXPECT_EQ(PixelAt(*three, 2, 0), Grey(255));

    // A palette picture keeps its depth and table; the averages go to the nearest entry.
    auto greyChecker = MakeIndexed(4, 2, 8, [](int x, int) { return x % 2 ? 200u : 100u; });
    auto one = greyChecker->Resample(1, 1);
    EXPECT_EQ(one->BitCount(), 8);
    EXPECT_EQ(one->DIBitsPtr()[0], 150);
}

TEST(ImageResample, SameSizeCopiesAndBadSizesGiveAnEmptyImage)
{
    auto image = MakeIndexed(9, 3, 1, [](int x, int y) { return (x * y) % 3 == 1 ? 1u : 0u; });
    auto copy = image->Resample(9, 3);
    ASSERT_EQ(copy->BitCount(), 1);
    EXPECT_EQ(std::memcmp(copy->DIBitsPtr(), image->DIBitsPtr(), image->Header().sizeImage), 0);

    for (const auto& [w, h] : {std::pair{0, 3}, std::pair{3, -1}}) {
        auto none = image->Resample(w, h);
        ASSERT_NE(none, nullptr);
        EXPECT_EQ(none->hDC(), nullptr);
    }
}

TEST(ImageMirror, FlipsLeftRightOrUpsideDown)
{
    auto image = Make24(3, 2, Distinct);
    auto flipped = image->Mirror(true);
    auto mirrored = image->Mirror(false);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(PixelAt(*flipped, x, 1 - y), Distinct(x, y));
            EXPECT_EQ(PixelAt(*mirrored, 2 - x, y), Distinct(x, y));
        }
    }
    EXPECT_EQ(PixelAt(*image, 0, 0), Distinct(0, 0));

    // Sub-byte pixels move across byte boundaries; nine of them fill one byte and a bit.
    auto mono = MakeIndexed(9, 1, 1, [](int x, int) { return x == 0 || x == 3 ? 1u : 0u; });
    auto monoMirrored = mono->Mirror(false);
    EXPECT_EQ(monoMirrored->DIBitsPtr()[0], 0x04);   // pixel 3 → 5
    EXPECT_EQ(monoMirrored->DIBitsPtr()[1], 0x80);   // pixel 0 → 8
    EXPECT_TRUE(SamePixels(*monoMirrored->Mirror(false), *mono));
}

TEST(ImageRotate, TurnsByQuarterTurns)
{
    auto image = Make24(3, 2, Distinct);

    auto left = image->Rotate(90);
    ASSERT_NE(left, nullptr);
    ASSERT_EQ(left->Width(), 2);
    ASSERT_EQ(left->Height(), 3);
    EXPECT_EQ(PixelAt(*left, 0, 0), Distinct(2, 0));   // the top-right corner comes to the top left
    EXPECT_EQ(PixelAt(*left, 1, 0), Distinct(2, 1));
    EXPECT_EQ(PixelAt(*left, 0, 2), Distinct(0, 0));

    auto right = image->Rotate(270);
    ASSERT_NE(right, nullptr);
    ASSERT_EQ(right->Width(), 2);
    EXPECT_EQ(PixelAt(*right, 1, 0), Distinct(0, 0));  // the top-left corner goes to the top right
    EXPECT_EQ(PixelAt(*right, 0, 0), Distinct(0, 1));
    EXPECT_EQ(PixelAt(*right, 1, 2), Distinct(2, 0));

    auto turned = image->Rotate(180);
    ASSERT_NE(turned, nullptr);
    ASSERT_EQ(turned->Width(), 3);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixelAt(*turned, 2 - x, 1 - y), Distinct(x, y));
}

TEST(ImageRotate, FoldsAnglesAndRefusesOthers)
{
    auto image = Make24(3, 2, Distinct);
    EXPECT_TRUE(SamePixels(*image->Rotate(-270), *image->Rotate(90)));
    EXPECT_TRUE(SamePixels(*image->Rotate(-90), *image->Rotate(270)));
    EXPECT_TRUE(SamePixels(*image->Rotate(450), *image->Rotate(90)));
    EXPECT_TRUE(SamePixels(*image->Rotate(-180), *image->Rotate(180)));
    EXPECT_TRUE(SamePixels(*image->Rotate(90)->Rotate(270), *image));
    EXPECT_EQ(image->Rotate(45), nullptr);
    EXPECT_EQ(image->Rotate(-45), nullptr);
    EXPECT_EQ(image->Rotate(0), nullptr);
    EXPECT_EQ(image->Rotate(360), nullptr);
    EXPECT_EQ(image->Rotate(INT_MIN), nullptr);   // −2147483648 ≡ 232 (mod 360)
}

TEST(ImageRotate, PaletteImagesKeepIndicesAndColours)
{
    const std::vector<RgbQuad> palette = {{0, 0, 0, 0}, {0, 0, 255, 0}};
    const std::vector<std::uint8_t> pixels = {0x80, 0, 0, 0, 0x00, 0, 0, 0};   // 5 × 2, top-left set
    StdPicture picture;
    picture.width = 5;
    picture.height = 2;
    picture.bitsPerPixel = 1;
    picture.stride = 4;
    picture.pixels = pixels;
    picture.palette = palette;
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(picture));

    auto right = image.Rotate(-90);
    ASSERT_EQ(right->BitCount(), 1);
    EXPECT_TRUE(std::ranges::equal(right->ColorTable(), palette));
    EXPECT_EQ(PixelAt(*right, 1, 0), (Bgr{0, 0, 255}));
    EXPECT_EQ(PixelAt(*right, 0, 0), Grey(0));
    EXPECT_TRUE(SamePixels(*right->Rotate(90), image));

    cImage empty;
    auto none = empty.Rotate(90);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->hDC(), nullptr);
}
