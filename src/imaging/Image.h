// cImage: one picture held as a device-independent bitmap in memory (bottom-up rows padded to
// 4 bytes; 1, 4 or 8 bits through a colour table, or 24 bits B, G, R), readable as a surface.
#pragma once

#include "imaging/DrawingSurface.h"
#include "imaging/ImagePalette.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The 40-byte header that describes the pixel rows, as in a bitmap file.
struct BitmapInfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;          // positive: the first row in memory is the bottom row
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;    // 0: uncompressed
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// A picture as the gui hands it over. Rows are `stride` bytes apart, the top row first unless
// `bottomUp`. Pixel formats, as in memory on a little-endian machine:
//   1, 4, 8 bits: colour-table indices, the leftmost pixel in the high bits of a byte;
//   16 bits: a little-endian word per pixel, red 5, green 6, blue 5 bits (from the high end);
//   24 bits: B, G, R;  32 bits: B, G, R and an ignored fourth byte.
// A palette shorter than the bit count allows is completed with the grey ramp, so an 8-bit
// picture without palette is a greyscale picture.
struct StdPicture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int stride = 0;
    bool bottomUp = false;
    std::span<const std::uint8_t> pixels;
    std::span<const RgbQuad> palette;
};

// Raster operations of PaintHDC, with their usual codes. Every operation that combines only
// source and destination is carried out (the function byte of the code decides); operations
// with a pattern brush are refused.
enum class RasterOp : std::uint32_t {
    SrcCopy = 0x00CC0020,      // S
    SrcPaint = 0x00EE0086,     // S | D
    SrcAnd = 0x008800C6,       // S & D
    SrcInvert = 0x00660046,    // S ^ D
    SrcErase = 0x00440328,     // S & ~D
    NotSrcCopy = 0x00330008,   // ~S
    NotSrcErase = 0x001100A6,  // ~(S | D)
    MergePaint = 0x00BB0226,   // ~S | D
    DstInvert = 0x00550009,    // ~D
    Blackness = 0x00000042,    // all bits clear
    Whiteness = 0x00FF0062,    // all bits set
};

class cImage final : public DrawingSurface {
public:
    // A size whose buffer would be larger fails cleanly rather than exhausting memory.
    static constexpr std::int64_t kMaxImageBytes = std::int64_t{1} << 30;

    cImage() = default;
    cImage(const cImage&) = delete;
    cImage& operator=(const cImage&) = delete;

    int Width() const { return header_.width; }
    int Height() const { return header_.height; }
    int BitCount() const { return header_.bitCount; }
    int BytesPerScanLine() const;
    const BitmapInfoHeader& Header() const { return header_; }
    // The entries in use: 2^BitCount for palette images, none for 24 bits or an empty image.
    std::span<const RgbQuad> ColorTable() const;

    // The surface to read this image from; null while the image is empty.
    const DrawingSurface* hDC() const { return bits_.empty() ? nullptr : this; }
    // First byte of the bottom row; null while empty.
    std::uint8_t* DIBitsPtr() { return bits_.empty() ? nullptr : bits_.data(); }
    const std::uint8_t* DIBitsPtr() const { return bits_.empty() ? nullptr : bits_.data(); }

    // A black picture (palette images: all index 0, the grey ramp as colour table). Bit counts
    // 1, 4, 8 and 24 only, both sizes positive. On false the object is left empty.
    bool Create(int lWidth, int lHeight, int iBitCount);

    // iBitCount 0 takes the picture's depth (16 and 32 bits become 24), and a palette
    // picture then keeps its indices and colour table; otherwise every pixel is matched to
    // the nearest colour of the new image. On false the object is left empty.
    bool CopyStdPicture(const StdPicture& TheStdPicture, int iBitCount = 0);

    // Copies lWidth × lHeight pixels from (lSrcLeft, lSrcTop) of a surface; pixels outside it
    // are black. iBitCount 0 takes the depth and colour table of a palette cImage, and
    // 24 bits for any other surface. On false the object is left empty.
    bool CopyHDC(const DrawingSurface* lHDC, int lWidth, int lHeight, int iBitCount = 0,
                 int lSrcLeft = 0, int lSrcTop = 0);

    // Takes over the colour table of a palette cImage (as many entries as both hold); the
    // indices stay, so the colours change. False when either side has no colour table.
    bool CopyPalletHDC(const DrawingSurface* lHDC);

    // Draws the whole image into target with its top-left corner at (lDestLeft, lDestTop),
    // clipped to the target. On a palette target the operation works on the colour indices,
    // as a palette device does. False when either image is empty or eRop needs a pattern.
    bool PaintHDC(cImage& target, int lDestLeft, int lDestTop,
                  RasterOp eRop = RasterOp::SrcCopy) const;

    // New pictures; this one stays as it is. An empty image (or an unusable size for
    // Resample) gives a new empty image.
    std::unique_ptr<cImage> Greyscale() const;                // 8 bits, nearest grey
    std::unique_ptr<cImage> Resample(int lWidth, int lHeight) const;  // area average
    std::unique_ptr<cImage> Mirror(bool Vertical) const;      // Vertical: upside down
    // 90 turns anticlockwise, 270 clockwise; angles are taken modulo 360 (−90 is 270). Null
    // for any other angle, 0 included.
    std::unique_ptr<cImage> Rotate(int Degrees) const;

    int SurfaceWidth() const override { return Width(); }
    int SurfaceHeight() const override { return Height(); }
    void ReadRowBgr(int x, int y, int count, std::uint8_t* bgr) const override;

private:
    void Release();
    // Row y counted from the top.
    std::uint8_t* Row(int y);
    const std::uint8_t* Row(int y) const;
    // A colour-table index, or B | G << 8 | R << 16 for 24 bits; y counted from the top.
    std::uint32_t PixelValue(int x, int y) const;
    void SetPixelValue(int x, int y, std::uint32_t value);
    // Writes Width() pixels of row y from B, G, R bytes; palette images take the nearest colour.
    void StoreRowBgr(int y, const std::uint8_t* bgr, NearestColour& match);
    // True when both are palette images of one bit count with the same colours, so that
    // indices can be copied as they are.
    bool SharesPaletteWith(const cImage& other) const;
    // A new image of this bit count and colour table, its pixels index 0 or black.
    std::unique_ptr<cImage> NewLike(int width, int height) const;
    void CloneInto(cImage& copy) const;

    BitmapInfoHeader header_{};
    ColourTable colours_{};
    std::vector<std::uint8_t> bits_;
};
