// The numeric core of SampleHDC: colour conversion of 8x8 pixel blocks, the float
// AAN forward DCT and the quantization, all in single precision in one fixed order of operations.
#pragma once

#include "imaging/JpegTables.h"

#include <cstddef>
#include <cstdint>

namespace jpeg {

// One 8x8 block of pixels as floats, element x + 8 * y.
struct PixelBlock {
    alignas(16) float b[64];
    alignas(16) float g[64];
    alignas(16) float r[64];
};

// Reads 8 rows of 8 B,G,R pixels; `stride` is the distance between rows in bytes.
void LoadPixelBlock(const std::uint8_t* bgr, std::ptrdiff_t stride, PixelBlock& pixels);

// Component 0: Y = 0.299 R + 0.587 G + 0.114 B - 128; 1: Cb; 2: Cr (all level-shifted).
void ConvertBlock(const PixelBlock& pixels, int component, float* work);

// In-place forward DCT of a work block (element x + 8 * y): columns first, then rows. The result
// is 8 s(u) s(v) times the DCT coefficient (u, v), at element u + 8 * v.
void ForwardDct(float* work);

// A quantization slot's divisors arranged for TransformAndQuantize.
struct QuantDivisors {
    alignas(16) float divisor[64];   // by the transform's internal element order
};
QuantDivisors PrepareDivisors(const QuantSlot& slot);

// ForwardDct followed by the quantization: out[z] = work(u, v) * divisor[z], rounded half to
// even, z = ZigZagMap(u, v). Destroys `work`.
void TransformAndQuantize(float* work, const QuantDivisors& divisors, std::int16_t* out);

} // namespace jpeg
