// The pixels a component of SampleHDC is sampled from: the source rectangle copied 1:1
// or scaled down with an area-averaging filter (the stand-in for GDI's HALFTONE StretchBlt), then
// padded to whole blocks by replicating the last column and row.
#pragma once

#include "imaging/DrawingSurface.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace jpeg {

// Scales the width x height rectangle at (left, top) of `surface` down to cw x ch (cw <= width,
// ch <= height): every target pixel is the average of the source area it covers, partly covered
// source pixels weighted by their share, rounded to the nearest byte. Returns cw * ch B,G,R pixels.
std::vector<std::uint8_t> AreaAverage(const DrawingSurface& surface, int left, int top, int width,
                                      int height, int cw, int ch);

class SampledArea {
public:
    // The rectangle drawn 1:1 when (cw, ch) equals (width, height), else area-averaged to cw x ch;
    // pw x ph is the padded size (multiples of 8, at least cw x ch).
    SampledArea(const DrawingSurface& surface, int left, int top, int width, int height, int cw,
                int ch, int pw, int ph);

    int PaddedWidth() const { return pw_; }
    int PaddedHeight() const { return ph_; }
    std::ptrdiff_t StripStride() const { return static_cast<std::ptrdiff_t>(pw_) * 3; }

    // The 8 padded rows of block row `blockRow` (pw pixels of B,G,R each, StripStride() apart).
    // Valid until the next call.
    const std::uint8_t* Strip(int blockRow);

private:
    void ReadRow(int y, std::uint8_t* row) const;

    const DrawingSurface& surface_;
    int left_, top_;
    int cw_, ch_, pw_, ph_;
    bool scaled_;
    std::vector<std::uint8_t> scaledPixels_;  // cw x ch when scaled
    std::vector<std::uint8_t> strip_;         // 8 rows of pw pixels
};

} // namespace jpeg
