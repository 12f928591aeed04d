#include "imaging/LogoColours.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace {

double Linear(std::uint32_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint32_t rgb)
{
    return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) + 0.0722 * Linear(rgb & 0xFF);
}

} // namespace

IconPlacement PlaceIcon(int width, int height)
{
    if (width <= 0 || height <= 0) return {};
    const int larger = std::max(width, height);
    if (larger > kBookmarkIconSize) {
        const double scale = static_cast<double>(kBookmarkIconSize) / larger;
        return {std::max(1, static_cast<int>(std::lround(width * scale))),
                std::max(1, static_cast<int>(std::lround(height * scale))), true};
    }
    const int factor = kBookmarkIconSize / larger;
    return {width * factor, height * factor, false};
}

std::uint32_t PlateColour(const std::uint32_t* argb, int width, int height)
{
    if (!argb || width <= 0 || height <= 0) return kLightPlate;
    std::vector<std::uint32_t> border;
    for (int x = 0; x < width; ++x) {
        border.push_back(argb[x]);
        if (height > 1) border.push_back(argb[static_cast<std::size_t>(height - 1) * width + x]);
    }
    for (int y = 1; y + 1 < height; ++y) {
        border.push_back(argb[static_cast<std::size_t>(y) * width]);
        if (width > 1) border.push_back(argb[static_cast<std::size_t>(y) * width + width - 1]);
    }
    std::unordered_map<std::uint32_t, int> counts;
    std::uint32_t best = kLightPlate;
    int bestCount = 0;
    int opaque = 0;
    for (const std::uint32_t pixel : border) {
        if ((pixel >> 24) != 0xFF) continue;
        ++opaque;
        const std::uint32_t rgb = pixel & 0xFFFFFF;
        const int count = ++counts[rgb];
        if (count > bestCount) {
            bestCount = count;
            best = rgb;
        }
    }
    return opaque * 2 >= static_cast<int>(border.size()) ? best : kLightPlate;
}

std::uint32_t TextColourOn(std::uint32_t plate)
{
    const double l = Luminance(plate);
    const double withBlack = (l + 0.05) / 0.05;
    const double withWhite = 1.05 / (l + 0.05);
    return withBlack >= withWhite ? 0x000000 : 0xFFFFFF;
}
