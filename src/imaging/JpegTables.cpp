#include "imaging/JpegTables.h"

#include "imaging/JpegError.h"

#include <cmath>

namespace jpeg {
namespace {

constexpr const ZigZagTable& kZigZag = kZigZagMap;
static_assert(kZigZag[1] == 1 && kZigZag[8] == 2 && kZigZag[16] == 3 && kZigZag[63] == 63);

// The tables as printed in T.81 Annex K, row by row.
constexpr QuantValues kLuminanceNatural = {
    16, 11, 10, 16, 24, 40, 51, 61,
    12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,
    14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,
    24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101,
    72, 92, 95, 98, 112, 100, 103, 99,
};
constexpr QuantValues kChrominanceNatural = {
    17, 18, 24, 47, 99, 99, 99, 99,
    18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99,
    47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99,
};

constexpr QuantValues ToZigZag(const QuantValues& natural)
{
    QuantValues zigzag{};
    for (int i = 0; i < 64; ++i)
        zigzag[kZigZag[i]] = natural[i];
    return zigzag;
}

constexpr QuantValues kLuminance = ToZigZag(kLuminanceNatural);
constexpr QuantValues kChrominance = ToZigZag(kChrominanceNatural);

} // namespace

const QuantValues& BaseLuminanceTable() { return kLuminance; }
const QuantValues& BaseChrominanceTable() { return kChrominance; }

int QualityScale(int quality)
{
    if (quality < 50)
        return static_cast<int>(std::nearbyint(5000.0 / quality));
    return 200 - 2 * quality;
}

QuantValues ScaleQuantTable(const QuantValues& base, int scale)
{
    QuantValues scaled{};
    for (int z = 0; z < 64; ++z) {
        // nearbyint rounds half to even in the default rounding mode: 2.5 gives 2, not 3.
        const double value = std::nearbyint((base[z] * static_cast<double>(scale) + 50.0) / 100.0);
        scaled[z] = static_cast<std::uint16_t>(value < 1.0 ? 1.0 : (value > 255.0 ? 255.0 : value));
    }
    return scaled;
}

void ComputeDivisors(QuantSlot& slot)
{
    for (int v = 0; v < 8; ++v) {
        for (int u = 0; u < 8; ++u) {
            const int z = kZigZag[u + 8 * v];
            const int q = slot.values[z];
            if (q < 1 || q > 255)
                RaiseEncoderError(kBadQuantizationTable);
            slot.divisors[z] = static_cast<float>(kScaleFactors[u] * kScaleFactors[v] / q);
        }
    }
}

} // namespace jpeg
