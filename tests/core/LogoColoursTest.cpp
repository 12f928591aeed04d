#include "imaging/LogoColours.h"

#include <gtest/gtest.h>

#include <vector>

TEST(LogoColours, IconsAreScaledToFortyPixels)
{
    const struct { int w, h; IconPlacement place; } cases[] = {
        {16, 16, {32, 32, false}}, {13, 13, {39, 39, false}}, {40, 40, {40, 40, false}},
        {41, 41, {40, 40, true}}, {256, 128, {40, 20, true}}, {10, 20, {20, 40, false}},
    };
    for (const auto& c : cases) {
        const IconPlacement place = PlaceIcon(c.w, c.h);
        EXPECT_EQ(place.width, c.place.width) << c.w << "x" << c.h;
        EXPECT_EQ(place.height, c.place.height) << c.w << "x" << c.h;
        EXPECT_EQ(place.smooth, c.place.smooth) << c.w << "x" << c.h;
    }
}

TEST(LogoColours, ThePlateIsTheBordersCommonestOpaqueColourAndTheTextStandsOut)
{
    // 4 × 4: a red border with one blue corner, a white middle.
    std::vector<std::uint32_t> icon(16, 0xFFCC0000);
    icon[0] = 0xFF0000FF;
    icon[5] = icon[6] = icon[9] = icon[10] = 0xFFFFFFFF;
    EXPECT_EQ(PlateColour(icon.data(), 4, 4), 0xCC0000u);
    // Mostly transparent border: the light plate, whatever the opaque pixels are.
    for (int i : {1, 2, 3, 4, 7, 8, 11, 12}) icon[i] = 0x00CC0000;
    EXPECT_EQ(PlateColour(icon.data(), 4, 4), kLightPlate);

    const struct { std::uint32_t plate, text; } cases[] = {
        {0xCC0000, 0xFFFFFF}, {0xFFD000, 0x000000}, {kLightPlate, 0x000000}, {0x003399, 0xFFFFFF}, {0x000000, 0xFFFFFF},
    };
    for (const auto& c : cases) EXPECT_EQ(TextColourOn(c.plate), c.text) << std::hex << c.plate;
}
