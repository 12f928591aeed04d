#include "imaging/JpegScan.h"

#include <array>
#include <bit>
#include <cstdlib>

#if defined(__SSE2__) && defined(__GNUC__)
#define PINWALL_JPEG_SSE2 1
#include <emmintrin.h>
#endif

namespace jpeg {
namespace {

constexpr int kMaxBlocksInMcu = 10;
constexpr int kZrl = 0xF0;
constexpr int kEob = 0x00;

// Number of significant bits of |value|; 0 for 0.
inline int Category(int value)
{
    return std::bit_width(static_cast<unsigned>(std::abs(value)));
}

// The low `category` bits of a value; a negative value is written as value - 1.
inline std::uint32_t ValueBits(int value, int category)
{
    const int bits = value < 0 ? value - 1 : value;
    return static_cast<std::uint32_t>(bits) & ((1u << category) - 1u);
}

// Bit i set when coefficient i (zig-zag order) is not 0.
inline std::uint64_t NonZeroMask(const std::int16_t* block)
{
#ifdef PINWALL_JPEG_SSE2
    std::uint64_t mask = 0;
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < 64; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i + 8));
        const __m128i isZero = _mm_packs_epi16(_mm_cmpeq_epi16(a, zero), _mm_cmpeq_epi16(b, zero));
        const auto zeroBits = static_cast<std::uint32_t>(_mm_movemask_epi8(isZero));
        mask |= static_cast<std::uint64_t>(~zeroBits & 0xFFFFu) << i;
    }
    return mask;
#else
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= static_cast<std::uint64_t>(block[i] != 0) << i;
    return mask;
#endif
}

// Calls visit(component, block) for every block of the scan in coding order; block is null for
// a dummy block of an interleaved scan.
template <typename Visit>
void ForEachBlock(const Scan& scan, const std::vector<ComponentSpec>& components,
                  const FrameGeometry& frame, Visit&& visit)
{
    if (scan.size() == 1) {
        const ComponentSpec& c = components[scan[0]];
        for (std::size_t n = 0; n < c.BlockCount(); ++n)
            visit(scan[0], c.Block(n));
        return;
    }
    const int mcuWidth = 8 * frame.hmax;
    const int mcuHeight = 8 * frame.vmax;
    const int mcusAcross = static_cast<int>((static_cast<std::int64_t>(mcuWidth) + frame.width - 1) / mcuWidth);
    const int mcusDown = static_cast<int>((static_cast<std::int64_t>(mcuHeight) + frame.height - 1) / mcuHeight);
    for (int my = 0; my < mcusDown; ++my) {
        for (int mx = 0; mx < mcusAcross; ++mx) {
            for (int index : scan) {
                const ComponentSpec& c = components[index];
                const int perRow = c.BlocksPerRow();
                // In the last MCU column only the blocks inside the store's width exist.
                const int columns = (mx == mcusAcross - 1 && perRow % c.h != 0) ? perRow % c.h : c.h;
                for (int r = 0; r < c.v; ++r) {
                    const std::size_t rowStart = static_cast<std::size_t>(my * c.v + r) * perRow + mx * c.h;
                    for (int k = 0; k < c.h; ++k) {
                        const std::size_t n = rowStart + k;
                        const bool exists = k < columns && n < c.BlockCount();
                        visit(index, exists ? c.Block(n) : nullptr);
                    }
                }
            }
        }
    }
}

// A Huffman table as the block coder reads it: code << 8 | code length per symbol, 0 for a
// symbol without a code (which then writes nothing).
struct CodeTable {
    std::array<std::uint32_t, 256> entry{};

    explicit CodeTable(const HuffSlot& slot)
    {
        for (int s = 0; s < 256; ++s)
            if (slot.length[s] != 0)
                entry[s] = (static_cast<std::uint32_t>(slot.code[s]) << 8) | slot.length[s];
    }
    // The symbol's code followed by `count` value bits.
    void Put(JpegBitWriter& writer, int symbol, std::uint32_t valueBits = 0, int count = 0) const
    {
        const std::uint32_t e = entry[symbol];
        writer.Put(((e >> 8) << count) | valueBits, static_cast<int>(e & 0xFF) + count);
    }
};

void EncodeBlock(const std::int16_t* block, int& predictor, const CodeTable& dc, const CodeTable& ac,
                 JpegBitWriter& scanWriter)
{
    JpegBitWriter writer = scanWriter;
    const int dcValue = block ? block[0] : predictor;
    const int diff = dcValue - predictor;
    predictor = dcValue;
    const int dcCategory = Category(diff);
    dc.Put(writer, dcCategory, ValueBits(diff, dcCategory), dcCategory);

    std::uint64_t mask = block ? NonZeroMask(block) & ~std::uint64_t{1} : 0;
    unsigned last = 0;
    while (mask != 0) {
        const unsigned pos = static_cast<unsigned>(std::countr_zero(mask));
        mask &= mask - 1;
        unsigned run = pos - last - 1;
        last = pos;
        for (; run > 15; run -= 16)
            ac.Put(writer, kZrl);
        const int value = block[pos];
        const int category = Category(value);
        ac.Put(writer, static_cast<int>(run * 16) + category, ValueBits(value, category), category);
    }
    if (last != 63)
        ac.Put(writer, kEob);
    scanWriter = writer;
}

} // namespace

std::vector<Scan> GroupScans(const std::vector<ComponentSpec>& components)
{
    std::vector<Scan> scans;
    Scan current;
    int blocks = 0;
    for (int c = 0; c < static_cast<int>(components.size()); ++c) {
        blocks += components[c].h * components[c].v;
        if (blocks > kMaxBlocksInMcu && !current.empty()) {
            scans.push_back(current);
            current.clear();
            blocks = components[c].h * components[c].v;
        }
        current.push_back(c);
        if (blocks > kMaxBlocksInMcu || current.size() == 3) {
            scans.push_back(current);
            current.clear();
            blocks = 0;
        }
    }
    if (!current.empty())
        scans.push_back(current);
    return scans;
}

void CountDcSymbols(const Scan& scan, const std::vector<ComponentSpec>& components,
                    const FrameGeometry& frame, SymbolCounts* dcCounts, std::int64_t* dummyBlocks)
{
    std::vector<int> predictors(components.size(), 0);
    ForEachBlock(scan, components, frame, [&](int index, const std::int16_t* block) {
        const int selector = TableSelector(index);
        const int dcValue = block ? block[0] : predictors[index];
        ++dcCounts[selector][Category(dcValue - predictors[index])];
        predictors[index] = dcValue;
        if (!block)
            ++dummyBlocks[selector];
    });
}

void CountBlockSymbols(const std::int16_t* block, int& predictor, SymbolCounts& dcCounts, SymbolCounts& acCounts)
{
    ++dcCounts[Category(block[0] - predictor)];
    predictor = block[0];

    std::uint64_t mask = NonZeroMask(block) & ~std::uint64_t{1};
    unsigned last = 0;
    std::int64_t zrl = 0;  // added once: one counter updated per coefficient would stall
    while (mask != 0) {
        const unsigned pos = static_cast<unsigned>(std::countr_zero(mask));
        mask &= mask - 1;
        const unsigned run = pos - last - 1;
        last = pos;
        zrl += run >> 4;
        ++acCounts[((run & 15) << 4) + Category(block[pos])];
    }
    acCounts[kZrl] += zrl;
    if (last != 63)
        ++acCounts[kEob];
}

bool CodedInStoreOrder(const Scan& scan, const std::vector<ComponentSpec>& components)
{
    if (scan.size() == 1)
        return true;
    for (int index : scan)
        if (components[index].h != 1 || components[index].v != 1)
            return false;
    return true;
}

void EncodeScan(const Scan& scan, const std::vector<ComponentSpec>& components,
                const FrameGeometry& frame, const HuffSlot* dcTables, const HuffSlot* acTables,
                JpegOutputBuffer& out)
{
    const CodeTable dc[2] = {CodeTable(dcTables[0]), CodeTable(dcTables[1])};
    const CodeTable ac[2] = {CodeTable(acTables[0]), CodeTable(acTables[1])};
    JpegBitWriter writer(out);
    std::vector<int> predictors(components.size(), 0);
    ForEachBlock(scan, components, frame, [&](int index, const std::int16_t* block) {
        const int selector = TableSelector(index);
        EncodeBlock(block, predictors[index], dc[selector], ac[selector], writer);
    });
    writer.Flush();
}

} // namespace jpeg
