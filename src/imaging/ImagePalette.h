// Colour tables of the image buffer: the grey ramp that new palette images start with, and
// the nearest-colour match that maps a colour onto a table entry.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

// One colour-table entry, laid out as in a bitmap file (blue, green, red, reserved).
struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

using ColourTable = std::array<RgbQuad, 256>;

// Entries 0 … 2^bitCount − 1 run evenly from black to white (i × 255 / n, rounded); the rest
// are black. Bit counts above 8 give an all-black table.
ColourTable GreyRamp(int bitCount);

// Finds the entry of a colour table closest to a colour (smallest squared distance in
// B, G, R; the lowest index on a tie). Remembers recent answers, since pictures repeat colours.
class NearestColour {
public:
    explicit NearestColour(std::span<const RgbQuad> table);
    ~NearestColour();

    std::uint8_t operator()(std::uint8_t blue, std::uint8_t green, std::uint8_t red);

private:
    struct Cache;

    std::span<const RgbQuad> table_;
    std::unique_ptr<Cache> cache_;
};
