// The rules of a logo made from a browser's icon: its size, how the icon is scaled, the plate
// colour taken from the icon's border and the text colour that stands out from the plate.
#pragma once

#include <cstdint>

inline constexpr int kBookmarkLogoWidth = 200;
inline constexpr int kBookmarkLogoHeight = 50;
inline constexpr int kBookmarkIconSize = 40;
inline constexpr std::uint32_t kLightPlate = 0xF4F4F4;  // 0xRRGGBB

// The size the icon is drawn at: a larger one scaled down smoothly to fit 40 pixels, a smaller
// one up by the largest whole number that stays within 40 (pixels kept sharp).
struct IconPlacement {
    int width = 0;
    int height = 0;
    bool smooth = false;
};
IconPlacement PlaceIcon(int width, int height);

// The most frequent opaque colour (0xRRGGBB) of the border pixels of an icon given as 0xAARRGGBB
// values, rows top to bottom; the light plate when fewer than half of them are opaque.
std::uint32_t PlateColour(const std::uint32_t* argb, int width, int height);

// Black or white (0xRRGGBB), whichever has the higher contrast with the plate.
std::uint32_t TextColourOn(std::uint32_t plate);
