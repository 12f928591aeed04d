#include "imaging/JpegDct.h"

#include <cmath>

#if defined(__SSE2__) && defined(__GNUC__)
#define PINWALL_JPEG_SSE2 1
#include <emmintrin.h>
#endif

namespace jpeg {
namespace {

// Weights of the colour conversion: single-precision constants, fixed for every build.
constexpr float kYR = 0.299f, kYG = 0.587f, kYB = 0.114f;
constexpr float kCbR = -0.16874f, kCbG = -0.33126f, kCbB = 0.5f;
constexpr float kCrR = 0.5f, kCrG = -0.41869f, kCrB = -0.08131f;

// Constants of the AAN DCT in single precision.
constexpr float kC707 = 0.707106781186548f;
constexpr float kC382 = 0.382683432365091f;
constexpr float kC541 = 0.541196100146196f;
constexpr float kC1306 = 1.30656296487638f;

// Zig-zag position of element 8u + v of the transform's result, which holds coefficient (u, v).
constexpr ZigZagTable TransposedZigZag()
{
    ZigZagTable table{};
    for (int u = 0; u < 8; ++u)
        for (int v = 0; v < 8; ++v)
            table[8 * u + v] = kZigZagMap[u + 8 * v];
    return table;
}
constexpr ZigZagTable kTransposedZigZagTable = TransposedZigZag();
constexpr const std::uint8_t* kTransposedZigZag = kTransposedZigZagTable.data();

// One 8-point AAN transform, in place. V is float or a vector of floats: every lane does the same
// single-precision operations in the same order, so the vector path gives the scalar results.
template <typename V>
inline void Aan8(V& d0, V& d1, V& d2, V& d3, V& d4, V& d5, V& d6, V& d7, V c707, V c382, V c541, V c1306)
{
    const V t0 = d0 + d7, t7 = d0 - d7;
    const V t1 = d1 + d6, t6 = d1 - d6;
    const V t2 = d2 + d5, t5 = d2 - d5;
    const V t3 = d3 + d4, t4 = d3 - d4;

    const V e10 = t0 + t3, e13 = t0 - t3;
    const V e11 = t1 + t2, e12 = t1 - t2;
    d0 = e10 + e11;
    d4 = e10 - e11;
    const V z1 = (e12 + e13) * c707;
    d2 = e13 + z1;
    d6 = e13 - z1;

    const V o10 = t4 + t5, o11 = t5 + t6, o12 = t6 + t7;
    const V z5 = (o10 - o12) * c382;
    const V z2 = c541 * o10 + z5;
    const V z4 = c1306 * o12 + z5;
    const V z3 = o11 * c707;
    const V z11 = t7 + z3, z13 = t7 - z3;
    d5 = z13 + z2;
    d3 = z13 - z2;
    d1 = z11 + z4;
    d7 = z11 - z4;
}

#ifdef PINWALL_JPEG_SSE2

inline void Aan8Vec(__m128* d)
{
    Aan8(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7], _mm_set1_ps(kC707), _mm_set1_ps(kC382),
         _mm_set1_ps(kC541), _mm_set1_ps(kC1306));
}

// The transform with its result transposed: element 8u + v holds coefficient (u, v).
void TransformTransposed(float* work)
{
    // Columns: lane x of row vector k holds element x + 8k; left and right halves apart.
    __m128 left[8], right[8];
    for (int k = 0; k < 8; ++k) {
        left[k] = _mm_loadu_ps(work + 8 * k);
        right[k] = _mm_loadu_ps(work + 8 * k + 4);
    }
    Aan8Vec(left);
    Aan8Vec(right);

    // Rows: after the transpose, lane y of vector k holds element k + 8y.
    _MM_TRANSPOSE4_PS(left[0], left[1], left[2], left[3]);
    _MM_TRANSPOSE4_PS(left[4], left[5], left[6], left[7]);
    _MM_TRANSPOSE4_PS(right[0], right[1], right[2], right[3]);
    _MM_TRANSPOSE4_PS(right[4], right[5], right[6], right[7]);
    __m128 top[8] = {left[0], left[1], left[2], left[3], right[0], right[1], right[2], right[3]};
    __m128 bottom[8] = {left[4], left[5], left[6], left[7], right[4], right[5], right[6], right[7]};
    Aan8Vec(top);
    Aan8Vec(bottom);
    for (int u = 0; u < 8; ++u) {
        _mm_storeu_ps(work + 8 * u, top[u]);
        _mm_storeu_ps(work + 8 * u + 4, bottom[u]);
    }
}

#else

void TransformTransposed(float* work)
{
    for (int x = 0; x < 8; ++x) {
        float* c = work + x;
        Aan8(c[0], c[8], c[16], c[24], c[32], c[40], c[48], c[56], kC707, kC382, kC541, kC1306);
    }
    float out[64];
    for (int y = 0; y < 8; ++y) {
        float* r = work + 8 * y;
        Aan8(r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], kC707, kC382, kC541, kC1306);
        for (int u = 0; u < 8; ++u)
            out[8 * u + y] = r[u];
    }
    for (int i = 0; i < 64; ++i)
        work[i] = out[i];
}

#endif

} // namespace

void LoadPixelBlock(const std::uint8_t* bgr, std::ptrdiff_t stride, PixelBlock& pixels)
{
#ifdef PINWALL_JPEG_SSE2
    const __m128i zero = _mm_setzero_si128();
    for (int y = 0; y < 8; ++y) {
        const std::uint8_t* row = bgr + y * stride;
        // 24 bytes: B G R of 8 pixels, widened to floats f[0..5], 4 bytes each.
        const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row));
        const __m128i hi = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + 16));
        const __m128i words[3] = {_mm_unpacklo_epi8(lo, zero), _mm_unpackhi_epi8(lo, zero), _mm_unpacklo_epi8(hi, zero)};
        __m128 f[6];
        for (int k = 0; k < 3; ++k) {
            f[2 * k] = _mm_cvtepi32_ps(_mm_unpacklo_epi16(words[k], zero));
            f[2 * k + 1] = _mm_cvtepi32_ps(_mm_unpackhi_epi16(words[k], zero));
        }
        // Four pixels from three vectors: [b0 g0 r0 b1] [g1 r1 b2 g2] [r2 b3 g3 r3].
        for (int half = 0; half < 2; ++half) {
            const __m128 f0 = f[3 * half], f1 = f[3 * half + 1], f2 = f[3 * half + 2];
            const __m128 b23 = _mm_shuffle_ps(f1, f2, _MM_SHUFFLE(1, 1, 2, 2));
            const __m128 g01 = _mm_shuffle_ps(f0, f1, _MM_SHUFFLE(0, 0, 1, 1));
            const __m128 g23 = _mm_shuffle_ps(f1, f2, _MM_SHUFFLE(2, 2, 3, 3));
            const __m128 r01 = _mm_shuffle_ps(f0, f1, _MM_SHUFFLE(1, 1, 2, 2));
            const int i = 8 * y + 4 * half;
            _mm_store_ps(pixels.b + i, _mm_shuffle_ps(f0, b23, _MM_SHUFFLE(2, 0, 3, 0)));
            _mm_store_ps(pixels.g + i, _mm_shuffle_ps(g01, g23, _MM_SHUFFLE(2, 0, 2, 0)));
            _mm_store_ps(pixels.r + i, _mm_shuffle_ps(r01, f2, _MM_SHUFFLE(3, 0, 2, 0)));
        }
    }
#else
    for (int y = 0; y < 8; ++y) {
        const std::uint8_t* row = bgr + y * stride;
        for (int x = 0; x < 8; ++x) {
            pixels.b[8 * y + x] = row[3 * x];
            pixels.g[8 * y + x] = row[3 * x + 1];
            pixels.r[8 * y + x] = row[3 * x + 2];
        }
    }
#endif
}

void ConvertBlock(const PixelBlock& p, int component, float* work)
{
    // Each sum is formed left to right in single precision: ((wR*R + wG*G) + wB*B) [- 128].
    const float weights[3][3] = {{kYR, kYG, kYB}, {kCbR, kCbG, kCbB}, {kCrR, kCrG, kCrB}};
    const float* w = weights[component == 0 ? 0 : (component == 1 ? 1 : 2)];
#ifdef PINWALL_JPEG_SSE2
    const __m128 wr = _mm_set1_ps(w[0]), wg = _mm_set1_ps(w[1]), wb = _mm_set1_ps(w[2]);
    if (component == 0) {
        const __m128 shift = _mm_set1_ps(128.0f);
        for (int i = 0; i < 64; i += 4) {
            const __m128 sum = (wr * _mm_load_ps(p.r + i) + wg * _mm_load_ps(p.g + i)) + wb * _mm_load_ps(p.b + i);
            _mm_storeu_ps(work + i, sum - shift);
        }
    } else {
        for (int i = 0; i < 64; i += 4)
            _mm_storeu_ps(work + i, (wr * _mm_load_ps(p.r + i) + wg * _mm_load_ps(p.g + i)) + wb * _mm_load_ps(p.b + i));
    }
#else
    if (component == 0) {
        for (int i = 0; i < 64; ++i)
            work[i] = w[0] * p.r[i] + w[1] * p.g[i] + w[2] * p.b[i] - 128.0f;
    } else {
        for (int i = 0; i < 64; ++i)
            work[i] = w[0] * p.r[i] + w[1] * p.g[i] + w[2] * p.b[i];
    }
#endif
}

void ForwardDct(float* work)
{
    alignas(16) float t[64];
    for (int i = 0; i < 64; ++i)
        t[i] = work[i];
    TransformTransposed(t);
    for (int u = 0; u < 8; ++u)
        for (int v = 0; v < 8; ++v)
            work[u + 8 * v] = t[8 * u + v];
}

QuantDivisors PrepareDivisors(const QuantSlot& slot)
{
    QuantDivisors prepared{};
    for (int i = 0; i < 64; ++i)
        prepared.divisor[i] = slot.divisors[kTransposedZigZag[i]];
    return prepared;
}

void TransformAndQuantize(float* work, const QuantDivisors& d, std::int16_t* out)
{
    TransformTransposed(work);
#ifdef PINWALL_JPEG_SSE2
    // cvtps2dq rounds half to even in the default rounding mode, like lrint.
    alignas(16) std::int16_t q[64];
    for (int i = 0; i < 64; i += 8) {
        const __m128i lo = _mm_cvtps_epi32(_mm_mul_ps(_mm_loadu_ps(work + i), _mm_loadu_ps(d.divisor + i)));
        const __m128i hi = _mm_cvtps_epi32(_mm_mul_ps(_mm_loadu_ps(work + i + 4), _mm_loadu_ps(d.divisor + i + 4)));
        _mm_store_si128(reinterpret_cast<__m128i*>(q + i), _mm_packs_epi32(lo, hi));
    }
#pragma GCC unroll 64
    for (int i = 0; i < 64; ++i)
        out[kTransposedZigZag[i]] = q[i];
#else
    for (int i = 0; i < 64; ++i)
        out[kTransposedZigZag[i]] = static_cast<std::int16_t>(std::lrint(work[i] * d.divisor[i]));
#endif
}

} // namespace jpeg
