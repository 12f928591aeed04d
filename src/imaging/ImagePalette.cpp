#include "imaging/ImagePalette.h"

#include <limits>

ColourTable GreyRamp(int bitCount)
{
    ColourTable table{};
    if (bitCount < 1 || bitCount > 8)
        return table;
    const int n = (1 << bitCount) - 1;
    for (int i = 0; i <= n; ++i) {
        const auto grey = static_cast<std::uint8_t>((i * 255 * 2 + n) / (2 * n));
        table[static_cast<std::size_t>(i)] = RgbQuad{grey, grey, grey, 0};
    }
    return table;
}

// Direct-mapped by the top five bits of each channel; the full colour is kept to confirm a hit.
struct NearestColour::Cache {
    static constexpr std::size_t kSlots = 1u << 15;
    std::array<std::uint32_t, kSlots> keys{};     // colour + 1, 0 for an empty slot
    std::array<std::uint8_t, kSlots> indices{};
};

NearestColour::NearestColour(std::span<const RgbQuad> table)
    : table_(table.size() > 256 ? table.first(256) : table)
{
}

NearestColour::~NearestColour() = default;

std::uint8_t NearestColour::operator()(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    const std::uint32_t key = (std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue) + 1;
    const std::size_t slot = (std::size_t{red} >> 3) << 10 | (std::size_t{green} >> 3) << 5
        | (std::size_t{blue} >> 3);
    if (!cache_)
        cache_ = std::make_unique<Cache>();
    if (cache_->keys[slot] == key)
        return cache_->indices[slot];

    std::uint8_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < table_.size(); ++i) {
        const int db = int{table_[i].blue} - blue;
        const int dg = int{table_[i].green} - green;
        const int dr = int{table_[i].red} - red;
        const int distance = db * db + dg * dg + dr * dr;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<std::uint8_t>(i);
            if (distance == 0)
                break;
        }
    }
    cache_->keys[slot] = key;
    cache_->indices[slot] = best;
    return best;
}
