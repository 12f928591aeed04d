// The numeric steps of the encoder written out plainly, one value at a time, as the tests' reference
// for the encoder's vectorised code: colour conversion, the AAN DCT and the quantization.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace jpegref {

// Level-shifted Y, Cb or Cr of one pixel, in single precision in the fixed order.
inline float Convert(int component, int r, int g, int b)
{
    const float R = static_cast<float>(r), G = static_cast<float>(g), B = static_cast<float>(b);
    float sum;
    if (component == 0) {
        sum = 0.299f * R;
        sum = sum + 0.587f * G;
        sum = sum + 0.114f * B;
        return sum - 128.0f;
    }
    if (component == 1) {
        sum = -0.16874f * R;
        sum = sum + -0.33126f * G;
        return sum + 0.5f * B;
    }
    sum = 0.5f * R;
    sum = sum + -0.41869f * G;
    return sum + -0.08131f * B;
}

// The 8-point AAN step on d[0], d[stride], ... d[7 * stride].
inline void Aan8(float* d, int stride)
{
    float v[8];
    for (int k = 0; k < 8; ++k)
        v[k] = d[k * stride];
    const float t0 = v[0] + v[7], t7 = v[0] - v[7], t1 = v[1] + v[6], t6 = v[1] - v[6];
    const float t2 = v[2] + v[5], t5 = v[2] - v[5], t3 = v[3] + v[4], t4 = v[3] - v[4];
    const float e10 = t0 + t3, e13 = t0 - t3, e11 = t1 + t2, e12 = t1 - t2;
    float out[8];
    out[0] = e10 + e11;
    out[4] = e10 - e11;
    const float z1 = (e12 + e13) * 0.707106781186548f;
    out[2] = e13 + z1;
    out[6] = e13 - z1;
    const float o10 = t4 + t5, o11 = t5 + t6, o12 = t6 + t7;
    const float z5 = (o10 - o12) * 0.382683432365091f;
    const float z2 = 0.541196100146196f * o10 + z5;
    const float z4 = 1.30656296487638f * o12 + z5;
    const float z3 = o11 * 0.707106781186548f;
    const float z11 = t7 + z3, z13 = t7 - z3;
    out[5] = z13 + z2;
    out[3] = z13 - z2;
    out[1] = z11 + z4;
    out[7] = z11 - z4;
    for (int k = 0; k < 8; ++k)
        d[k * stride] = out[k];
}

// Columns first, then rows; element x + 8y in, coefficient (u, v) at u + 8v out.
inline void Dct(float* block)
{
    for (int x = 0; x < 8; ++x)
        Aan8(block + x, 8);
    for (int y = 0; y < 8; ++y)
        Aan8(block + 8 * y, 1);
}

inline const std::array<int, 64>& NaturalOrder()  // natural index of zig-zag position k (T.81 A.6)
{
    static const std::array<int, 64> order = {
        0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
        12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
        35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
        58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    return order;
}

// c(k), the DCT scale factors.
inline constexpr double kScale[8] = {0.353553390593273, 0.25489778955208, 0.270598050073098,
                                     0.300672443467523, 0.353553390593273, 0.449988111568207,
                                     0.653281482438186, 1.28145772387074};

// Divisor for coefficient (u, v) and quantizer q: c(u) c(v) / q in double, stored as single.
inline float Divisor(int u, int v, int q)
{
    return static_cast<float>(kScale[u] * kScale[v] / q);
}

// Quantized coefficient: value * divisor in single precision, rounded half to even.
inline int Quantize(float value, float divisor)
{
    return static_cast<int>(std::nearbyint(value * divisor));
}

} // namespace jpegref
