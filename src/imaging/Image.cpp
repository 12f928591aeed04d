#include "imaging/Image.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

bool SupportedBitCount(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

// The bit length of a row rounded up to whole 32-bit words.
std::int64_t ScanLineBytes(std::int64_t width, int bitCount)
{
    if (width <= 0 || bitCount <= 0)
        return 0;
    return (width * bitCount + 31) / 32 * 4;
}

} // namespace

int cImage::BytesPerScanLine() const
{
    return static_cast<int>(ScanLineBytes(header_.width, header_.bitCount));
}

std::span<const RgbQuad> cImage::ColorTable() const
{
    if (bits_.empty() || header_.bitCount > 8)
        return {};
    return std::span<const RgbQuad>(colours_).first(std::size_t{1} << header_.bitCount);
}

void cImage::Release()
{
    // A failed Create must not leave the size of the previous picture behind: the header
    // describes the pixels that exist, or nothing.
    header_ = BitmapInfoHeader{};
    colours_ = ColourTable{};
    bits_ = std::vector<std::uint8_t>{};
}

bool cImage::Create(int lWidth, int lHeight, int iBitCount)
{
    Release();
    if (!SupportedBitCount(iBitCount) || lWidth <= 0 || lHeight <= 0)
        return false;
    const std::int64_t stride = ScanLineBytes(lWidth, iBitCount);
    if (stride > kMaxImageBytes / lHeight)
        return false;
    try {
        bits_.assign(static_cast<std::size_t>(stride * lHeight), 0);
    } catch (const std::bad_alloc&) {
        bits_ = std::vector<std::uint8_t>{};
        return false;
    }
    header_.size = 40;
    header_.width = lWidth;
    header_.height = lHeight;
    header_.planes = 1;
    header_.bitCount = static_cast<std::uint16_t>(iBitCount);
    header_.compression = 0;
    header_.sizeImage = static_cast<std::uint32_t>(stride * lHeight);
    colours_ = GreyRamp(iBitCount);
    return true;
}

std::uint8_t* cImage::Row(int y)
{
    return bits_.data() + static_cast<std::size_t>(header_.height - 1 - y) * BytesPerScanLine();
}

const std::uint8_t* cImage::Row(int y) const
{
    return bits_.data() + static_cast<std::size_t>(header_.height - 1 - y) * BytesPerScanLine();
}

std::uint32_t cImage::PixelValue(int x, int y) const
{
    const std::uint8_t* row = Row(y);
    switch (header_.bitCount) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    case 8:
        return row[x];
    default: {
        const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        return p[0] | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
    }
    }
}

void cImage::SetPixelValue(int x, int y, std::uint32_t value)
{
    std::uint8_t* row = Row(y);
    switch (header_.bitCount) {
    case 1: {
        const auto bit = static_cast<std::uint8_t>(0x80u >> (x & 7));
        row[x >> 3] = static_cast<std::uint8_t>((value & 1u) ? (row[x >> 3] | bit)
                                                             : (row[x >> 3] & ~bit));
        break;
    }
    case 4: {
        std::uint8_t& b = row[x >> 1];
        b = (x & 1) ? static_cast<std::uint8_t>((b & 0xF0u) | (value & 0x0Fu))
                    : static_cast<std::uint8_t>((b & 0x0Fu) | (value & 0x0Fu) << 4);
        break;
    }
    case 8:
        row[x] = static_cast<std::uint8_t>(value);
        break;
    default: {
        std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        p[2] = static_cast<std::uint8_t>(value >> 16);
    }
    }
}

void cImage::StoreRowBgr(int y, const std::uint8_t* bgr, NearestColour& match)
{
    const int width = header_.width;
    if (header_.bitCount == 24) {
        std::memcpy(Row(y), bgr, 3 * static_cast<std::size_t>(width));
        return;
    }
    for (int x = 0; x < width; ++x, bgr += 3)
        SetPixelValue(x, y, match(bgr[0], bgr[1], bgr[2]));
}

bool cImage::SharesPaletteWith(const cImage& other) const
{
    if (bits_.empty() || other.bits_.empty() || header_.bitCount > 8
        || header_.bitCount != other.header_.bitCount)
        return false;
    return std::ranges::equal(ColorTable(), other.ColorTable());
}

std::unique_ptr<cImage> cImage::NewLike(int width, int height) const
{
    auto image = std::make_unique<cImage>();
    if (!bits_.empty() && image->Create(width, height, header_.bitCount))
        image->colours_ = colours_;
    return image;
}

void cImage::CloneInto(cImage& copy) const
{
    copy.header_ = header_;
    copy.colours_ = colours_;
    copy.bits_ = bits_;
}

void cImage::ReadRowBgr(int x, int y, int count, std::uint8_t* bgr) const
{
    if (count <= 0)
        return;
    std::memset(bgr, 0, 3 * static_cast<std::size_t>(count));
    if (y < 0 || y >= header_.height)
        return;
    // 64 bits, so that a far-off x or a long count cannot overflow the clipping.
    const std::int64_t first = std::max<std::int64_t>(x, 0);
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{x} + count, header_.width);
    if (first >= end)
        return;
    std::uint8_t* out = bgr + 3 * (first - x);
    if (header_.bitCount == 24) {
        std::memcpy(out, Row(y) + 3 * first, static_cast<std::size_t>(3 * (end - first)));
        return;
    }
    for (auto px = static_cast<int>(first); px < end; ++px, out += 3) {
        const RgbQuad& c = colours_[PixelValue(px, y)];
        out[0] = c.blue;
        out[1] = c.green;
        out[2] = c.red;
    }
}
