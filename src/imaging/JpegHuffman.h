// Image-specific Huffman tables of the JPEG encoder: code lengths by T.81 Annex K.2,
// limited to 16 bits, and the codes of Annex C with the checks that raise "Bad Huffman Table".
#pragma once

#include <array>
#include <cstdint>

namespace jpeg {

// Occurrences of the symbols 0..255 of one table; index 256 is the reserved code point.
using SymbolCounts = std::array<std::int64_t, 257>;

// One Huffman table slot: the BITS and HUFFVAL of T.81 Annex C and, per symbol, its code and the
// code length (0 when the symbol has no code; the length mask is 2^(length-1)).
struct HuffSlot {
    std::array<std::uint8_t, 16> bits{};     // bits[i]: number of codes of length i + 1
    std::array<std::uint8_t, 256> huffval{};
    std::array<std::int32_t, 256> code{};    // -1 without a code
    std::array<std::uint8_t, 256> length{};
};

// Figure K.1: the code size of every symbol, the reserved point 256 included. Sets counts[256]
// to 1 first and leaves all counts zero. On equal counts the higher symbol number is merged first.
std::array<int, 257> CodeSizes(SymbolCounts& counts);

// BITS and HUFFVAL from code sizes: lengths limited to 16 (Figure K.3), the reserved point
// removed, symbols ordered by code size and then by number.
void SizesToTable(const std::array<int, 257>& sizes, HuffSlot& slot);

// Annex C: codes from BITS and HUFFVAL. Throws JpegError "Bad Huffman Table" for more than 256
// codes, a DC symbol above 11, a symbol with two codes, a code of 1-bits only, or no code at all.
void GenerateCodes(HuffSlot& slot, bool dcTable);

// The table for the given counts (all three steps above); `counts` is left zero.
HuffSlot BuildOptimalTable(SymbolCounts& counts, bool dcTable);

// Bits the counted symbols take with this table: count * (code length + value bits), where the
// value bits are the DC symbol itself or the low 4 bits of an AC symbol.
std::int64_t EncodedBits(const SymbolCounts& counts, const HuffSlot& slot, bool dcTable);

} // namespace jpeg
