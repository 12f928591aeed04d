// A surface that pixels can be read from by position: what a device context is to the
// image buffer and the JPEG encoder. cImage is one; tests may supply their own.
#pragma once

#include <cstdint>

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual int SurfaceWidth() const = 0;
    virtual int SurfaceHeight() const = 0;

    // Reads `count` pixels of row `y` (0 = top row) starting at column `x`, as B, G, R bytes
    // into `bgr` (3 * count bytes). Pixels outside the surface read as black.
    virtual void ReadRowBgr(int x, int y, int count, std::uint8_t* bgr) const = 0;
};
