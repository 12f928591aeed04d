// The operations of cImage that make a new picture from this one: grey levels, a new size,
// mirrored and turned copies.
#include "imaging/Image.h"

#include <algorithm>
#include <vector>

namespace {

// Which source pixels cover one target pixel of a row or column, and by how much. Lengths are
// counted in units of 1 / (source length × target length) of the whole, so every overlap is a
// whole number and the weights of one target pixel add up to the source length.
struct Coverage {
    int first = 0;
    std::vector<std::int64_t> weights;
};

std::vector<Coverage> AreaCoverage(int sourceLength, int targetLength)
{
    std::vector<Coverage> result(static_cast<std::size_t>(targetLength));
    const std::int64_t s = sourceLength;
    const std::int64_t t = targetLength;
    for (std::int64_t j = 0; j < t; ++j) {
        const std::int64_t lo = j * s;
        const std::int64_t hi = lo + s;
        Coverage& c = result[static_cast<std::size_t>(j)];
        c.first = static_cast<int>(lo / t);
        for (std::int64_t i = lo / t; i * t < hi; ++i)
            c.weights.push_back(std::min((i + 1) * t, hi) - std::max(i * t, lo));
    }
    return result;
}

} // namespace

std::unique_ptr<cImage> cImage::Greyscale() const
{
    auto grey = std::make_unique<cImage>();
    if (bits_.empty() || !grey->Create(Width(), Height(), 8))
        return grey;
    std::vector<std::uint8_t> bgr(3 * static_cast<std::size_t>(Width()));
    for (int y = 0; y < Height(); ++y) {
        ReadRowBgr(0, y, Width(), bgr.data());
        std::uint8_t* row = grey->Row(y);
        // The grey nearest to (b, g, r) in colour space is their mean, rounded.
        for (std::size_t x = 0; x < static_cast<std::size_t>(Width()); ++x)
            row[x] = static_cast<std::uint8_t>((bgr[3 * x] + bgr[3 * x + 1] + bgr[3 * x + 2] + 1) / 3);
    }
    return grey;
}

std::unique_ptr<cImage> cImage::Resample(int lWidth, int lHeight) const
{
    auto result = NewLike(lWidth, lHeight);
    if (result->bits_.empty())
        return result;
    if (lWidth == Width() && lHeight == Height()) {
        result->bits_ = bits_;
        return result;
    }

    // Every target pixel is the average of the source area it covers, weighted by how much of
    // each source pixel lies inside it. Source rows are read one at a time, so a large source
    // needs no second copy in memory.
    const std::vector<Coverage> columns = AreaCoverage(Width(), lWidth);
    const std::vector<Coverage> rows = AreaCoverage(Height(), lHeight);
    const auto total = static_cast<std::uint64_t>(Width()) * static_cast<std::uint64_t>(Height());
    const auto targetSamples = 3 * static_cast<std::size_t>(lWidth);

    std::vector<std::uint8_t> sourceRow(3 * static_cast<std::size_t>(Width()));
    std::vector<std::uint64_t> sums(targetSamples);
    std::vector<std::uint8_t> targetRow(targetSamples);
    NearestColour match(result->ColorTable());
    for (int y = 0; y < lHeight; ++y) {
        std::ranges::fill(sums, std::uint64_t{0});
        const Coverage& rowCover = rows[static_cast<std::size_t>(y)];
        for (std::size_t r = 0; r < rowCover.weights.size(); ++r) {
            ReadRowBgr(0, rowCover.first + static_cast<int>(r), Width(), sourceRow.data());
            const auto rowWeight = static_cast<std::uint64_t>(rowCover.weights[r]);
            for (std::size_t x = 0; x < static_cast<std::size_t>(lWidth); ++x) {
                const Coverage& colCover = columns[x];
                std::uint64_t b = 0, g = 0, red = 0;
                const std::uint8_t* p = sourceRow.data() + 3 * static_cast<std::size_t>(colCover.first);
                for (const std::int64_t w : colCover.weights) {
                    b += static_cast<std::uint64_t>(w) * p[0];
                    g += static_cast<std::uint64_t>(w) * p[1];
                    red += static_cast<std::uint64_t>(w) * p[2];
                    p += 3;
                }
                sums[3 * x] += rowWeight * b;
                sums[3 * x + 1] += rowWeight * g;
                sums[3 * x + 2] += rowWeight * red;
            }
        }
        for (std::size_t i = 0; i < targetSamples; ++i)
            targetRow[i] = static_cast<std::uint8_t>((sums[i] + total / 2) / total);
        result->StoreRowBgr(y, targetRow.data(), match);
    }
    return result;
}

std::unique_ptr<cImage> cImage::Mirror(bool Vertical) const
{
    auto result = NewLike(Width(), Height());
    if (result->bits_.empty())
        return result;
    const int w = Width();
    const int h = Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result->SetPixelValue(Vertical ? x : w - 1 - x, Vertical ? h - 1 - y : y, PixelValue(x, y));
    return result;
}

std::unique_ptr<cImage> cImage::Rotate(int Degrees) const
{
    int d = Degrees % 360;
    if (d < 0)
        d += 360;
    if (d != 90 && d != 180 && d != 270)
        return nullptr;
    const int w = Width();
    const int h = Height();
    auto result = d == 180 ? NewLike(w, h) : NewLike(h, w);
    if (result->bits_.empty())
        return result;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t value = PixelValue(x, y);
            if (d == 90)            // the top-right corner comes to the top left
                result->SetPixelValue(y, w - 1 - x, value);
            else if (d == 180)
                result->SetPixelValue(w - 1 - x, h - 1 - y, value);
            else                    // the top-left corner goes to the top right
                result->SetPixelValue(h - 1 - y, x, value);
        }
    }
    return result;
}
