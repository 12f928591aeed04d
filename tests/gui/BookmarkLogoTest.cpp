#include "imaging/LogoColours.h"
#include "imaging/gui/BookmarkLogo.h"

#include "core/support/JpegDecode.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

DecodedJpeg Decode(const std::string& bytes) { return DecodeJpeg({bytes.begin(), bytes.end()}); }

// The decoded colour at (x, y) as 0xRRGGBB.
std::uint32_t At(const DecodedJpeg& jpeg, int x, int y)
{
    const std::uint8_t* p = &jpeg.pixels[(static_cast<std::size_t>(y) * jpeg.width + x) * 3];
    return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}

bool Near(std::uint32_t a, std::uint32_t b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 24) return false;
    return true;
}

int CountNear(const DecodedJpeg& jpeg, int left, int right, std::uint32_t colour)
{
    int count = 0;
    for (int y = 0; y < jpeg.height; ++y)
        for (int x = left; x < right; ++x) count += Near(At(jpeg, x, y), colour);
    return count;
}

} // namespace

TEST(BookmarkLogo, TheIconStandsOnAPlateOfItsBorderColourWithTheNameBeside)
{
    // 16 × 16: a red border, a white square in the middle; drawn twice as large, sharp.
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(QColor(0xCC, 0, 0));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) icon.setPixel(x, y, 0xFFFFFFFF);
    const DecodedJpeg red = Decode(BookmarkLogoJpeg({PngBytes(icon), false, 16}, "Tagesschau"));
    ASSERT_TRUE(red.ok) << red.error;
    EXPECT_EQ(red.width, kBookmarkLogoWidth);
    EXPECT_EQ(red.height, kBookmarkLogoHeight);
    EXPECT_TRUE(Near(At(red, 2, 2), 0xCC0000));
    EXPECT_TRUE(Near(At(red, 25, 25), 0xFFFFFF)) << "the icon's middle, scaled up";
    EXPECT_TRUE(Near(At(red, 195, 25), 0xCC0000));
    EXPECT_GT(CountNear(red, 55, 195, 0xFFFFFF), 100) << "white text on the dark plate";

    // Transparent around a black dot: the light plate shows through, dark text.
    QImage dot(20, 20, QImage::Format_ARGB32);
    dot.fill(Qt::transparent);
    for (int y = 8; y < 12; ++y)
        for (int x = 8; x < 12; ++x) dot.setPixel(x, y, 0xFF000000);
    const DecodedJpeg light = Decode(BookmarkLogoJpeg({PngBytes(dot), false, 20}, "Wetter"));
    ASSERT_TRUE(light.ok) << light.error;
    EXPECT_TRUE(Near(At(light, 8, 8), kLightPlate)) << "no black where the icon is transparent";
    EXPECT_TRUE(Near(At(light, 25, 25), 0x000000));
    EXPECT_GT(CountNear(light, 55, 195, 0x000000), 100);

    // No icon, or bytes that are no picture: the name alone on the light plate.
    const DecodedJpeg none = Decode(BookmarkLogoJpeg({"no picture", false, 0}, "Nur ein Name"));
    ASSERT_TRUE(none.ok);
    EXPECT_TRUE(Near(At(none, 25, 25), kLightPlate));
    EXPECT_GT(CountNear(none, 0, 200, 0x000000), 100);
}

TEST(BookmarkLogo, SvgIconsAreRenderedAtFortyPixels)
{
    const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                            "<rect width='10' height='10' fill='#0000ff'/></svg>";
    const QImage rendered = LoadBookmarkIcon({svg, true, 0});
    EXPECT_EQ(rendered.size(), QSize(40, 40));
    EXPECT_EQ(rendered.pixel(20, 20), 0xFF0000FFu);
}
