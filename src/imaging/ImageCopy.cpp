// Filling a cImage from a picture or a surface, and drawing it into another cImage.
#include "imaging/Image.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

std::int64_t PictureRowBytes(const StdPicture& picture)
{
    return (std::int64_t{picture.width} * picture.bitsPerPixel + 7) / 8;
}

// The gui's description is trusted for nothing: every row it promises must lie in the buffer.
bool Usable(const StdPicture& picture)
{
    switch (picture.bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return false;
    }
    if (picture.width <= 0 || picture.height <= 0 || picture.pixels.data() == nullptr)
        return false;
    const std::int64_t rowBytes = PictureRowBytes(picture);
    return picture.stride >= rowBytes
        && std::int64_t{picture.stride} * (picture.height - 1) + rowBytes
        <= static_cast<std::int64_t>(picture.pixels.size());
}

const std::uint8_t* PictureRow(const StdPicture& picture, int y)
{
    const int row = picture.bottomUp ? picture.height - 1 - y : y;
    return picture.pixels.data() + static_cast<std::size_t>(row) * picture.stride;
}

ColourTable PictureColours(const StdPicture& picture)
{
    ColourTable table = GreyRamp(picture.bitsPerPixel);
    if (picture.bitsPerPixel <= 8) {
        const std::size_t n = std::min(picture.palette.size(), std::size_t{1} << picture.bitsPerPixel);
        std::copy_n(picture.palette.begin(), n, table.begin());
    }
    return table;
}

std::uint8_t Widen(unsigned value, int bits)
{
    // Repeats the high bits in the low ones, so that full intensity stays 255.
    return static_cast<std::uint8_t>(value << (8 - bits) | value >> (2 * bits - 8));
}

void PictureRowBgr(const StdPicture& picture, const ColourTable& colours, int y, std::uint8_t* bgr)
{
    const std::uint8_t* row = PictureRow(picture, y);
    for (int x = 0; x < picture.width; ++x, bgr += 3) {
        unsigned index = 0;
        switch (picture.bitsPerPixel) {
        case 1:
            index = (row[x >> 3] >> (7 - (x & 7))) & 1u;
            break;
        case 4:
            index = (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
            break;
        case 8:
            index = row[x];
            break;
        case 16: {
            const unsigned word = row[2 * x] | unsigned{row[2 * x + 1]} << 8;
            bgr[0] = Widen(word & 0x1Fu, 5);
            bgr[1] = Widen((word >> 5) & 0x3Fu, 6);
            bgr[2] = Widen(word >> 11, 5);
            continue;
        }
        default: {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * (picture.bitsPerPixel / 8);
            bgr[0] = p[0];
            bgr[1] = p[1];
            bgr[2] = p[2];
            continue;
        }
        }
        bgr[0] = colours[index].blue;
        bgr[1] = colours[index].green;
        bgr[2] = colours[index].red;
    }
}

// The function byte of a raster-operation code holds the result for every combination of
// pattern P, source S and destination D at bit P·4 + S·2 + D. Without a brush, only codes whose
// result does not depend on P can be carried out; their low four bits say everything.
std::optional<unsigned> SourceDestFunction(RasterOp rop)
{
    const unsigned f = (static_cast<std::uint32_t>(rop) >> 16) & 0xFFu;
    if ((f >> 4) != (f & 0x0Fu))
        return std::nullopt;
    return f & 0x0Fu;
}

std::uint8_t Combine(unsigned function, unsigned s, unsigned d)
{
    unsigned result = 0;
    if (function & 1u)
        result |= ~s & ~d;
    if (function & 2u)
        result |= ~s & d;
    if (function & 4u)
        result |= s & ~d;
    if (function & 8u)
        result |= s & d;
    return static_cast<std::uint8_t>(result);
}

} // namespace

bool cImage::CopyStdPicture(const StdPicture& TheStdPicture, int iBitCount)
{
    const StdPicture& picture = TheStdPicture;
    if (!Usable(picture)) {
        Release();
        return false;
    }
    const bool ownDepth = iBitCount == 0;
    int bitCount = ownDepth ? picture.bitsPerPixel : iBitCount;
    if (ownDepth && (bitCount == 16 || bitCount == 32))
        bitCount = 24;
    if (!Create(picture.width, picture.height, bitCount))
        return false;

    const ColourTable pictureColours = PictureColours(picture);
    if (ownDepth && bitCount <= 8) {
        colours_ = pictureColours;
        const auto rowBytes = static_cast<std::size_t>(PictureRowBytes(picture));
        const int usedBits = (picture.width * bitCount) % 8;
        for (int y = 0; y < picture.height; ++y) {
            std::uint8_t* row = Row(y);
            std::copy_n(PictureRow(picture, y), rowBytes, row);
            // The unused bits of the last byte belong to the padding, which stays zero.
            if (usedBits != 0)
                row[rowBytes - 1] &= static_cast<std::uint8_t>(0xFFu << (8 - usedBits));
        }
        return true;
    }

    NearestColour match(ColorTable());
    std::vector<std::uint8_t> bgr(3 * static_cast<std::size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        PictureRowBgr(picture, pictureColours, y, bgr.data());
        StoreRowBgr(y, bgr.data(), match);
    }
    return true;
}

bool cImage::CopyHDC(const DrawingSurface* lHDC, int lWidth, int lHeight, int iBitCount,
                     int lSrcLeft, int lSrcTop)
{
    if (lHDC == this) {
        // Create would discard the very pixels that are to be copied.
        cImage snapshot;
        CloneInto(snapshot);
        return CopyHDC(&snapshot, lWidth, lHeight, iBitCount, lSrcLeft, lSrcTop);
    }
    if (lHDC == nullptr) {
        Release();
        return false;
    }
    const auto* source = dynamic_cast<const cImage*>(lHDC);
    const std::span<const RgbQuad> sourceColours =
        source != nullptr ? source->ColorTable() : std::span<const RgbQuad>{};

    int bitCount = iBitCount;
    if (bitCount == 0) {
        const std::size_t n = sourceColours.size();
        bitCount = n == 0 ? 24 : n <= 2 ? 1 : n <= 16 ? 4 : n <= 256 ? 8 : 24;
    }
    if (!Create(lWidth, lHeight, bitCount))
        return false;
    if (iBitCount == 0)
        std::ranges::copy(sourceColours, colours_.begin());

    NearestColour match(ColorTable());
    if (source != nullptr && SharesPaletteWith(*source)) {
        const std::uint8_t black = match(0, 0, 0);
        for (int y = 0; y < lHeight; ++y) {
            const std::int64_t sy = std::int64_t{lSrcTop} + y;
            for (int x = 0; x < lWidth; ++x) {
                const std::int64_t sx = std::int64_t{lSrcLeft} + x;
                const bool inside = sx >= 0 && sx < source->Width() && sy >= 0 && sy < source->Height();
                SetPixelValue(x, y, inside ? source->PixelValue(static_cast<int>(sx), static_cast<int>(sy))
                                           : black);
            }
        }
        return true;
    }

    std::vector<std::uint8_t> bgr(3 * static_cast<std::size_t>(lWidth));
    for (int y = 0; y < lHeight; ++y) {
        const std::int64_t sy = std::int64_t{lSrcTop} + y;
        if (sy >= 0 && sy <= std::numeric_limits<int>::max())
            lHDC->ReadRowBgr(lSrcLeft, static_cast<int>(sy), lWidth, bgr.data());
        else
            std::ranges::fill(bgr, std::uint8_t{0});
        StoreRowBgr(y, bgr.data(), match);
    }
    return true;
}

bool cImage::CopyPalletHDC(const DrawingSurface* lHDC)
{
    const auto* source = dynamic_cast<const cImage*>(lHDC);
    if (source == nullptr || ColorTable().empty() || source->ColorTable().empty())
        return false;
    const std::span<const RgbQuad> from = source->ColorTable();
    std::copy_n(from.begin(), std::min(from.size(), ColorTable().size()), colours_.begin());
    return true;
}

bool cImage::PaintHDC(cImage& target, int lDestLeft, int lDestTop, RasterOp eRop) const
{
    const std::optional<unsigned> function = SourceDestFunction(eRop);
    if (bits_.empty() || target.bits_.empty() || !function)
        return false;
    if (&target == this) {
        // Reading and writing one buffer would feed changed pixels back into the source.
        cImage snapshot;
        CloneInto(snapshot);
        return snapshot.PaintHDC(target, lDestLeft, lDestTop, eRop);
    }

    const auto x0 = static_cast<int>(std::max<std::int64_t>(lDestLeft, 0));
    const auto x1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{lDestLeft} + Width(), target.Width()));
    const auto y0 = static_cast<int>(std::max<std::int64_t>(lDestTop, 0));
    const auto y1 = static_cast<int>(std::min<std::int64_t>(std::int64_t{lDestTop} + Height(), target.Height()));
    if (x0 >= x1 || y0 >= y1)
        return true;

    const int count = x1 - x0;
    std::vector<std::uint8_t> source(3 * static_cast<std::size_t>(count));
    if (target.BitCount() == 24) {
        for (int y = y0; y < y1; ++y) {
            ReadRowBgr(x0 - lDestLeft, y - lDestTop, count, source.data());
            std::uint8_t* d = target.Row(y) + 3 * static_cast<std::size_t>(x0);
            for (std::size_t i = 0; i < source.size(); ++i)
                d[i] = Combine(*function, source[i], d[i]);
        }
        return true;
    }

    // A palette device combines colour indices, not colours.
    const bool sameIndices = target.SharesPaletteWith(*this);
    const unsigned mask = (1u << target.BitCount()) - 1;
    NearestColour match(target.ColorTable());
    for (int y = y0; y < y1; ++y) {
        if (!sameIndices)
            ReadRowBgr(x0 - lDestLeft, y - lDestTop, count, source.data());
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* c = source.data() + 3 * static_cast<std::size_t>(x - x0);
            const unsigned s = sameIndices ? PixelValue(x - lDestLeft, y - lDestTop) : match(c[0], c[1], c[2]);
            target.SetPixelValue(x, y, Combine(*function, s, target.PixelValue(x, y)) & mask);
        }
    }
    return true;
}
