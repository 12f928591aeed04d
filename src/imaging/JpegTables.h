// The parameter tables of the JPEG encoder: zig-zag order, the Annex K base
// quantization tables, the AAN scale factors, quality scaling and the quantizer divisors.
#pragma once

#include <array>
#include <cstdint>

namespace jpeg {

// ZigZagMap: zig-zag index of the coefficient at column u, row v, indexed u + 8 * v.
using ZigZagTable = std::array<std::uint8_t, 64>;

// Walks the 8x8 grid diagonally, turning at its edges; gives the order of T.81 Figure A.6.
constexpr ZigZagTable BuildZigZagMap()
{
    ZigZagTable map{};
    int u = 0;
    int v = 0;
    int du = 1;
    int dv = -1;
    for (int index = 0; index < 64; ++index) {
        map[u + 8 * v] = static_cast<std::uint8_t>(index);
        u += du;
        v += dv;
        if (u >= 8) {
            v += 2; u = 7; du = -1; dv = 1;
        } else if (v >= 8) {
            u += 2; v = 7; du = 1; dv = -1;
        } else if (u < 0) {
            u = 0; du = 1; dv = -1;
        } else if (v < 0) {
            v = 0; du = -1; dv = 1;
        }
    }
    return map;
}

inline constexpr ZigZagTable kZigZagMap = BuildZigZagMap();
inline const ZigZagTable& ZigZagMap() { return kZigZagMap; }

// ITU T.81 Annex K tables K.1 (luminance) and K.2 (chrominance), in zig-zag order.
using QuantValues = std::array<std::uint16_t, 64>;
const QuantValues& BaseLuminanceTable();
const QuantValues& BaseChrominanceTable();

// c(k) = 1 / (s(k) * 2 * sqrt(2)); c(u) * c(v) removes the scaling of the AAN DCT.
inline constexpr std::array<double, 8> kScaleFactors = {
    0.353553390593273, 0.25489778955208, 0.270598050073098, 0.300672443467523,
    0.353553390593273, 0.449988111568207, 0.653281482438186, 1.28145772387074,
};

// One quantization table slot: the values written to DQT and the divisors used by SampleHDC,
// both indexed by zig-zag position.
struct QuantSlot {
    QuantValues values{};
    std::array<float, 64> divisors{};
};

// The scale S of a quality 1..100 (5000 / q rounded half to even below 50, 200 - 2q from 50).
int QualityScale(int quality);

// A base table scaled by S: (base * S + 50) / 100 rounded half to even, clamped to 1..255.
QuantValues ScaleQuantTable(const QuantValues& base, int scale);

// divisor[z] = c(u) * c(v) / Q, computed in double and stored as single. Throws JpegError
// "Bad Quantization Table" when a value lies outside 1..255.
void ComputeDivisors(QuantSlot& slot);

} // namespace jpeg
