#include "imaging/JpegSampler.h"

#include <algorithm>
#include <cstring>

namespace jpeg {
namespace {

// The source pixels that one target pixel covers, with their weights. Lengths are measured in
// units of 1/target of a source pixel, so every weight is a whole number and the weights of one
// target pixel add up to `source`.
struct Taps {
    int first = 0;
    std::vector<std::uint32_t> weights;
};

std::vector<Taps> AreaTaps(int source, int target)
{
    std::vector<Taps> taps(static_cast<std::size_t>(target));
    for (int i = 0; i < target; ++i) {
        const std::int64_t lo = static_cast<std::int64_t>(i) * source;
        const std::int64_t hi = lo + source;
        const std::int64_t firstSource = lo / target;
        const std::int64_t lastSource = (hi - 1) / target;
        taps[i].first = static_cast<int>(firstSource);
        for (std::int64_t s = firstSource; s <= lastSource; ++s) {
            const std::int64_t from = std::max(lo, s * target);
            const std::int64_t to = std::min(hi, (s + 1) * target);
            taps[i].weights.push_back(static_cast<std::uint32_t>(to - from));
        }
    }
    return taps;
}

} // namespace

std::vector<std::uint8_t> AreaAverage(const DrawingSurface& surface, int left, int top, int width,
                                      int height, int cw, int ch)
{
    const std::vector<Taps> columns = AreaTaps(width, cw);
    const std::vector<Taps> rows = AreaTaps(height, ch);
    const std::uint64_t total = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);

    std::vector<std::uint8_t> out(static_cast<std::size_t>(cw) * ch * 3);
    std::vector<std::uint8_t> sourceRow(static_cast<std::size_t>(width) * 3);
    std::vector<std::uint64_t> rowSums(static_cast<std::size_t>(cw) * 3);
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(cw) * 3);

    for (int j = 0; j < ch; ++j) {
        std::fill(sums.begin(), sums.end(), 0);
        const Taps& rowTaps = rows[j];
        for (std::size_t t = 0; t < rowTaps.weights.size(); ++t) {
            surface.ReadRowBgr(left, top + rowTaps.first + static_cast<int>(t), width, sourceRow.data());
            for (int i = 0; i < cw; ++i) {
                const Taps& colTaps = columns[i];
                const std::uint8_t* p = sourceRow.data() + static_cast<std::size_t>(colTaps.first) * 3;
                std::uint64_t b = 0, g = 0, r = 0;
                for (std::uint32_t w : colTaps.weights) {
                    b += w * p[0];
                    g += w * p[1];
                    r += w * p[2];
                    p += 3;
                }
                rowSums[3 * i] = b;
                rowSums[3 * i + 1] = g;
                rowSums[3 * i + 2] = r;
            }
            const std::uint64_t w = rowTaps.weights[t];
            for (std::size_t k = 0; k < sums.size(); ++k)
                sums[k] += w * rowSums[k];
        }
        std::uint8_t* target = out.data() + static_cast<std::size_t>(j) * cw * 3;
        for (std::size_t k = 0; k < sums.size(); ++k)
            target[k] = static_cast<std::uint8_t>((sums[k] + total / 2) / total);
    }
    return out;
}

SampledArea::SampledArea(const DrawingSurface& surface, int left, int top, int width, int height,
                         int cw, int ch, int pw, int ph)
    : surface_(surface), left_(left), top_(top), cw_(cw), ch_(ch), pw_(pw), ph_(ph),
      scaled_(cw != width || ch != height),
      strip_(static_cast<std::size_t>(pw) * 3 * 8)
{
    if (scaled_)
        scaledPixels_ = AreaAverage(surface, left, top, width, height, cw, ch);
}

void SampledArea::ReadRow(int y, std::uint8_t* row) const
{
    if (scaled_)
        std::memcpy(row, scaledPixels_.data() + static_cast<std::size_t>(y) * cw_ * 3,
                    static_cast<std::size_t>(cw_) * 3);
    else
        surface_.ReadRowBgr(left_, top_ + y, cw_, row);
}

const std::uint8_t* SampledArea::Strip(int blockRow)
{
    const std::ptrdiff_t stride = StripStride();
    for (int k = 0; k < 8; ++k) {
        std::uint8_t* row = strip_.data() + k * stride;
        // Rows below the picture repeat its last row, columns right of it its last column.
        ReadRow(std::min(8 * blockRow + k, ch_ - 1), row);
        const std::uint8_t* last = row + static_cast<std::ptrdiff_t>(cw_ - 1) * 3;
        for (int x = cw_; x < pw_; ++x)
            std::memcpy(row + static_cast<std::ptrdiff_t>(x) * 3, last, 3);
    }
    return strip_.data();
}

} // namespace jpeg
