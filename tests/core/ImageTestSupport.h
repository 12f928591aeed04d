// Helpers of the image buffer tests: pixels written through the documented memory layout and
// read back through the surface.
#pragma once

#include "imaging/Image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>

struct Bgr {
    std::uint8_t b = 0, g = 0, r = 0;
    friend bool operator==(const Bgr&, const Bgr&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Bgr& c)
    {
        return out << "bgr(" << int{c.b} << ',' << int{c.g} << ',' << int{c.r} << ')';
    }
};

inline Bgr Grey(int level)
{
    const auto v = static_cast<std::uint8_t>(level);
    return {v, v, v};
}

// Row y counted from the top: rows lie bottom-up, BytesPerScanLine apart.
inline std::uint8_t* TopRow(cImage& image, int y)
{
    return image.DIBitsPtr() + static_cast<std::size_t>(image.Height() - 1 - y) * image.BytesPerScanLine();
}

inline void SetIndex(cImage& image, int x, int y, unsigned index)
{
    std::uint8_t* row = TopRow(image, y);
    switch (image.BitCount()) {
    case 1:
        row[x / 8] = static_cast<std::uint8_t>((row[x / 8] & ~(0x80u >> x % 8)) | (index & 1u) << (7 - x % 8));
        break;
    case 4:
        row[x / 2] = x % 2 ? static_cast<std::uint8_t>((row[x / 2] & 0xF0u) | index)
                           : static_cast<std::uint8_t>((row[x / 2] & 0x0Fu) | index << 4);
        break;
    default:
        row[x] = static_cast<std::uint8_t>(index);
    }
}

inline void SetBgr(cImage& image, int x, int y, Bgr c)
{
    std::uint8_t* p = TopRow(image, y) + 3 * x;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
}

inline Bgr PixelAt(const DrawingSurface& surface, int x, int y)
{
    std::uint8_t p[3];
    surface.ReadRowBgr(x, y, 1, p);
    return {p[0], p[1], p[2]};
}

// A 24-bit image whose pixel (x, y) is colour(x, y).
inline std::unique_ptr<cImage> Make24(int width, int height, const std::function<Bgr(int, int)>& colour)
{
    auto image = std::make_unique<cImage>();
    if (image->Create(width, height, 24))
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                SetBgr(*image, x, y, colour(x, y));
    return image;
}

// A palette image with the grey ramp whose pixel (x, y) has index(x, y).
inline std::unique_ptr<cImage> MakeIndexed(int width, int height, int bitCount,
                                           const std::function<unsigned(int, int)>& index)
{
    auto image = std::make_unique<cImage>();
    if (image->Create(width, height, bitCount))
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                SetIndex(*image, x, y, index(x, y));
    return image;
}
