// A drawing surface over a B,G,R pixel buffer, and synthetic pictures for the JPEG encoder's
// tests and benchmarks.
#pragma once

#include "imaging/DrawingSurface.h"

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <vector>

class JpegTestSurface : public DrawingSurface {
public:
    JpegTestSurface(int width, int height)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height * 3) {}

    int SurfaceWidth() const override { return width_; }
    int SurfaceHeight() const override { return height_; }

    void ReadRowBgr(int x, int y, int count, std::uint8_t* bgr) const override
    {
        ++rowReads_;
        const bool inside = y >= 0 && y < height_;
        const int from = inside ? std::min(std::max(x, 0), x + count) : x + count;
        const int to = inside ? std::max(std::min(x + count, width_), from) : x + count;
        // Black left of, right of, above and below the surface.
        std::memset(bgr, 0, static_cast<std::size_t>(from - x) * 3);
        if (from < to)
            std::memcpy(bgr + (from - x) * 3, Pixel(from, y), static_cast<std::size_t>(to - from) * 3);
        std::memset(bgr + (to - x) * 3, 0, static_cast<std::size_t>(x + count - to) * 3);
    }

    void SetPixel(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        std::uint8_t* p = Pixel(x, y);
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
    std::uint8_t* Pixel(int x, int y) { return pixels_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3; }
    const std::uint8_t* Pixel(int x, int y) const
    {
        return pixels_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3;
    }
    void Fill(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                SetPixel(x, y, r, g, b);
    }

    long RowReads() const { return rowReads_; }

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
    mutable long rowReads_ = 0;
};

// A picture like a screen snapshot: flat panels, soft gradients, lines of small dark glyphs with
// hard edges, a few coloured buttons. Deterministic for a given size.
inline JpegTestSurface MakeScreenshotPicture(int width, int height)
{
    JpegTestSurface s(width, height);
    std::uint32_t seed = 12345;
    auto random = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = s.Pixel(0, y);
        for (int x = 0; x < width; ++x, p += 3) {
            // Title bar gradient on top, a light panel, a white document area on the right.
            int r = 255, g = 255, b = 255;
            if (y < height / 12 + 4) {
                const int t = x * 255 / std::max(width - 1, 1);
                r = 20 + t / 4;
                g = 60 + t / 3;
                b = 140 + t / 3;
            } else if (x < width / 4) {
                const int t = y * 40 / std::max(height, 1);
                r = 225 - t;
                g = 228 - t;
                b = 232 - t;
            }
            p[0] = static_cast<std::uint8_t>(b);
            p[1] = static_cast<std::uint8_t>(g);
            p[2] = static_cast<std::uint8_t>(r);
        }
    }
    // Text: rows of glyph boxes made of random strokes, dark on white or on the panel.
    for (int line = height / 12 + 12; line + 10 < height; line += 16) {
        int x = 6;
        while (x + 8 < width) {
            const int glyph = 4 + static_cast<int>(random() % 5);
            if (random() % 7 == 0) {  // a blank between words
                x += glyph + 2;
                continue;
            }
            const std::uint32_t strokes = random();
            const std::uint8_t ink = (x < width / 4) ? 40 : 20;
            for (int gy = 0; gy < 10; ++gy) {
                for (int gx = 0; gx < glyph && x + gx < width; ++gx) {
                    const bool vertical = (strokes >> (gx % 8)) & 1;
                    const bool horizontal = (strokes >> (8 + gy % 10)) & 1;
                    if ((vertical && gy > 1) || (horizontal && gy % 4 == 0))
                        s.SetPixel(x + gx, line + gy, ink, ink, static_cast<std::uint8_t>(ink + 10));
                }
            }
            x += glyph + 1;
        }
    }
    // Buttons: saturated rounded-off rectangles with a gradient.
    for (int b = 0; b < 6; ++b) {
        const int bx = width / 4 + 20 + b * 90;
        const int by = height - 40;
        for (int y = by; y < by + 24 && y < height; ++y)
            for (int x = bx; x < bx + 70 && x < width; ++x)
                if (y >= 0 && x >= 0)
                    s.SetPixel(x, y, static_cast<std::uint8_t>(b * 40), static_cast<std::uint8_t>(120 + (y - by) * 4),
                               static_cast<std::uint8_t>(230 - b * 30));
    }
    return s;
}

// Smooth colour gradients with a soft diagonal pattern: natural picture content.
inline JpegTestSurface MakeGradientPicture(int width, int height)
{
    JpegTestSurface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.SetPixel(x, y, static_cast<std::uint8_t>((x * 255) / std::max(width - 1, 1)),
                       static_cast<std::uint8_t>((y * 255) / std::max(height - 1, 1)),
                       static_cast<std::uint8_t>(128 + ((x + y) % 64) - 32));
    return s;
}

// A logo as the capture cuts it out: a coloured emblem with a gradient, a word in large dark
// letters, a thin underline, on white.
inline JpegTestSurface MakeLogoPicture(int width, int height)
{
    JpegTestSurface s(width, height);
    s.Fill(255, 255, 255);
    const int r = height * 2 / 5;
    const int cx = r + 6;
    const int cy = height / 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int dx = x - cx;
            const int dy = y - cy;
            if (dx * dx + dy * dy <= r * r)
                s.SetPixel(x, y, static_cast<std::uint8_t>(230 - y), static_cast<std::uint8_t>(60 + y),
                           static_cast<std::uint8_t>(40 + x / 2));
        }
    }
    // Letters: thick vertical and horizontal bars in a fixed pattern.
    const int left = 2 * r + 20;
    for (int letter = 0; letter < 8 && left + letter * 30 + 24 < width; ++letter) {
        const int x0 = left + letter * 30;
        for (int y = height / 4; y < height * 3 / 4; ++y) {
            for (int x = x0; x < x0 + 24; ++x) {
                const bool stem = x < x0 + 5 || (letter % 2 == 0 && x >= x0 + 19);
                const bool bar = (y - height / 4) < 5 || (letter % 3 == 0 && std::abs(y - height / 2) < 3);
                if (stem || bar)
                    s.SetPixel(x, y, 30, 30, 60);
            }
        }
    }
    for (int x = left; x < width - 6; ++x)
        for (int y = height * 3 / 4 + 4; y < height * 3 / 4 + 6 && y < height; ++y)
            s.SetPixel(x, y, 200, 40, 40);
    return s;
}
