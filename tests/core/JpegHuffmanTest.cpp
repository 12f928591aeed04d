// Image-specific Huffman tables: code lengths of Annex K.2 with the tie rule and the reserved
// point, the 16-bit limit, the codes of Annex C and the checks that raise "Bad Huffman Table".
#include "imaging/JpegError.h"
#include "imaging/JpegHuffman.h"

#include <gtest/gtest.h>

#include <string>

namespace {

jpeg::SymbolCounts Counts(std::initializer_list<std::pair<int, std::int64_t>> list)
{
    jpeg::SymbolCounts counts{};
    for (const auto& [symbol, count] : list)
        counts[symbol] = count;
    return counts;
}

std::string CodeOf(const jpeg::HuffSlot& slot, int symbol)
{
    std::string bits;
    for (int i = slot.length[symbol] - 1; i >= 0; --i)
        bits += ((slot.code[symbol] >> i) & 1) ? '1' : '0';
    return bits;
}

void ExpectBadTable(jpeg::HuffSlot slot, bool dc, const char* why)
{
    try {
        jpeg::GenerateCodes(slot, dc);
        ADD_FAILURE() << "accepted: " << why;
    } catch (const JpegError& e) {
        EXPECT_EQ(e.Number(), 1) << why;
        EXPECT_STREQ(e.what(), "Bad Huffman Table") << why;
    }
}

} // namespace

TEST(JpegHuffmanLengths, ReservedPointTakesPartAndCountsEndAtZero)
{
    jpeg::SymbolCounts counts = Counts({{0, 1}, {1, 1}, {2, 1}});
    const auto sizes = jpeg::CodeSizes(counts);
    EXPECT_EQ(sizes[0], 2);
    EXPECT_EQ(sizes[1], 2);
    EXPECT_EQ(sizes[2], 2);
    EXPECT_EQ(sizes[256], 2);
    for (std::int64_t c : counts)
        EXPECT_EQ(c, 0);
}

TEST(JpegHuffmanLengths, OnEqualCountsTheHigherSymbolIsMergedFirst)
{
    // Symbols 1, 2 and the reserved 256 all occur once: 256 and 2 are joined first. Taking the
    // lower symbols first would give 0:1, 1:3, 2:3 instead.
    jpeg::SymbolCounts counts = Counts({{0, 2}, {1, 1}, {2, 1}});
    const auto sizes = jpeg::CodeSizes(counts);
    EXPECT_EQ(sizes[0], 1);
    EXPECT_EQ(sizes[1], 2);
    EXPECT_EQ(sizes[2], 3);
    EXPECT_EQ(sizes[256], 3);
}

TEST(JpegHuffmanTable, DropsTheReservedPointAndOrdersBySizeThenSymbol)
{
    jpeg::SymbolCounts counts = Counts({{0, 2}, {1, 1}, {2, 1}});
    const jpeg::HuffSlot slot = jpeg::BuildOptimalTable(counts, false);
    EXPECT_EQ(slot.bits[0], 1);
    EXPECT_EQ(slot.bits[1], 1);
    EXPECT_EQ(slot.bits[2], 1);
    EXPECT_EQ(slot.huffval[0], 0);
    EXPECT_EQ(slot.huffval[1], 1);
    EXPECT_EQ(slot.huffval[2], 2);
    EXPECT_EQ(CodeOf(slot, 0), "0");
    EXPECT_EQ(CodeOf(slot, 1), "10");
    EXPECT_EQ(CodeOf(slot, 2), "110");  // 111 stays free: no code of 1-bits only
    EXPECT_EQ(slot.code[3], -1);
    EXPECT_EQ(slot.length[3], 0);
}

TEST(JpegHuffmanTable, SingleSymbolGetsTheCodeZero)
{
    jpeg::SymbolCounts counts = Counts({{0, 500}});
    const jpeg::HuffSlot slot = jpeg::BuildOptimalTable(counts, true);
    EXPECT_EQ(slot.bits[0], 1);
    EXPECT_EQ(CodeOf(slot, 0), "0");
}

TEST(JpegHuffmanTable, EqualCountsWithinALengthAreSortedBySymbol)
{
    jpeg::SymbolCounts counts = Counts({{0xF0, 10}, {0x01, 10}, {0x11, 10}, {0x00, 10}});
    const jpeg::HuffSlot slot = jpeg::BuildOptimalTable(counts, false);
    int k = 0;
    for (int length = 1; length <= 16; ++length)
        for (int n = 0; n < slot.bits[length - 1]; ++n, ++k) {
            if (n > 0) {
                EXPECT_LT(slot.huffval[k - 1], slot.huffval[k]) << "within length " << length;
            }
        }
}

TEST(JpegHuffmanTable, LongCodesAreLimitedToSixteenBits)
{
    // Fibonacci counts (1, 2, 3, 5, ... beside the reserved point's 1) make the deepest tree:
    // 30 symbols would need codes of up to 30 bits.
    jpeg::SymbolCounts counts{};
    std::int64_t a = 1, b = 2;
    for (int s = 0; s < 30; ++s) {
        counts[s] = a;
        const std::int64_t next = a + b;
        a = b;
        b = next;
    }
    const jpeg::SymbolCounts original = counts;
    const auto unlimited = jpeg::CodeSizes(counts);
    int longest = 0;
    for (int s = 0; s < 30; ++s)
        longest = std::max(longest, unlimited[s]);
    EXPECT_GT(longest, 16);

    counts = original;
    const jpeg::HuffSlot slot = jpeg::BuildOptimalTable(counts, false);
    int total = 0;
    double kraft = 0;
    for (int length = 1; length <= 16; ++length) {
        total += slot.bits[length - 1];
        kraft += slot.bits[length - 1] / static_cast<double>(1 << length);
    }
    EXPECT_EQ(total, 30);
    EXPECT_LT(kraft, 1.0);
    for (int s = 0; s < 30; ++s) {
        EXPECT_GE(slot.length[s], 1);
        EXPECT_LE(slot.length[s], 16);
    }
    // More frequent symbols never get longer codes.
    for (int s = 1; s < 30; ++s)
        EXPECT_LE(slot.length[s], slot.length[s - 1]);
}

TEST(JpegHuffmanTable, EveryByteValueCanBeCoded)
{
    jpeg::SymbolCounts counts{};
    for (int s = 0; s < 256; ++s)
        counts[s] = 1 + (s * 7919) % 1000;
    const jpeg::HuffSlot slot = jpeg::BuildOptimalTable(counts, false);
    for (int s = 0; s < 256; ++s)
        EXPECT_GT(slot.length[s], 0) << s;
}

TEST(JpegHuffmanCodes, InconsistentTablesAreRejected)
{
    jpeg::HuffSlot empty;
    ExpectBadTable(empty, false, "no code at all");

    jpeg::HuffSlot allOnes;
    allOnes.bits[0] = 2;  // codes 0 and 1 of length 1
    allOnes.huffval[0] = 0;
    allOnes.huffval[1] = 1;
    ExpectBadTable(allOnes, false, "a code of 1-bits only");

    jpeg::HuffSlot dcSymbol;
    dcSymbol.bits[1] = 2;
    dcSymbol.huffval[0] = 3;
    dcSymbol.huffval[1] = 12;
    ExpectBadTable(dcSymbol, true, "DC symbol 12");
    EXPECT_NO_THROW(jpeg::GenerateCodes(dcSymbol, false));  // fine for an AC table

    jpeg::HuffSlot twice;
    twice.bits[1] = 2;
    twice.huffval[0] = 5;
    twice.huffval[1] = 5;
    ExpectBadTable(twice, false, "a symbol with two codes");

    jpeg::HuffSlot tooMany;
    tooMany.bits[14] = 255;
    tooMany.bits[15] = 2;
    ExpectBadTable(tooMany, false, "257 codes");
}

TEST(JpegHuffmanCodes, AreCanonical)
{
    jpeg::HuffSlot slot;
    slot.bits[1] = 2;  // two of length 2, three of length 3
    slot.bits[2] = 3;
    const int symbols[] = {4, 9, 0, 1, 2};
    for (int k = 0; k < 5; ++k)
        slot.huffval[k] = static_cast<std::uint8_t>(symbols[k]);
    jpeg::GenerateCodes(slot, true);
    EXPECT_EQ(CodeOf(slot, 4), "00");
    EXPECT_EQ(CodeOf(slot, 9), "01");
    EXPECT_EQ(CodeOf(slot, 0), "100");
    EXPECT_EQ(CodeOf(slot, 1), "101");
    EXPECT_EQ(CodeOf(slot, 2), "110");
}

TEST(JpegHuffmanEstimate, CountsCodeAndValueBits)
{
    jpeg::SymbolCounts counts = Counts({{0, 2}, {1, 1}, {2, 1}});
    const jpeg::SymbolCounts original = counts;
    const jpeg::HuffSlot slot = jpeg::BuildOptimalTable(counts, true);
    // DC: 2 * (1 + 0) + 1 * (2 + 1) + 1 * (3 + 2)
    EXPECT_EQ(jpeg::EncodedBits(original, slot, true), 10);
    // AC: the value bits are the low 4 bits of the symbol.
    jpeg::SymbolCounts ac = Counts({{0x00, 3}, {0x23, 2}});
    const jpeg::SymbolCounts acOriginal = ac;
    const jpeg::HuffSlot acSlot = jpeg::BuildOptimalTable(ac, false);
    EXPECT_EQ(jpeg::EncodedBits(acOriginal, acSlot, false), 3 * acSlot.length[0] + 2 * (acSlot.length[0x23] + 3));
}
