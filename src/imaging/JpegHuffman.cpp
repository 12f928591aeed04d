#include "imaging/JpegHuffman.h"

#include "imaging/JpegError.h"

#include <limits>

namespace jpeg {
namespace {

constexpr int kNoSymbol = -1;
constexpr int kMaxSizes = 258;  // a code size never exceeds the number of symbols

} // namespace

std::array<int, 257> CodeSizes(SymbolCounts& counts)
{
    std::array<int, 257> sizes{};
    std::array<int, 257> others;
    others.fill(kNoSymbol);
    counts[256] = 1;

    // Counts wider than 32 bits; the start value only has to exceed every count.
    constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max();
    for (;;) {
        int v1 = kNoSymbol;
        int v2 = kNoSymbol;
        std::int64_t count1 = kNone;
        std::int64_t count2 = kNone;
        for (int s = 0; s <= 256; ++s) {
            const std::int64_t c = counts[s];
            if (c == 0 || c > count2)
                continue;
            if (c > count1) {
                v2 = s;
                count2 = c;
            } else {
                v2 = v1;
                count2 = count1;
                v1 = s;
                count1 = c;
            }
        }
        if (v2 == kNoSymbol) {
            if (v1 != kNoSymbol)
                counts[v1] = 0;
            break;
        }
        counts[v1] += counts[v2];
        counts[v2] = 0;
        int s = v1;
        for (;;) {
            ++sizes[s];
            if (others[s] == kNoSymbol)
                break;
            s = others[s];
        }
        others[s] = v2;
        for (s = v2; s != kNoSymbol; s = others[s])
            ++sizes[s];
    }
    return sizes;
}

void SizesToTable(const std::array<int, 257>& sizes, HuffSlot& slot)
{
    std::array<int, kMaxSizes> bits{};
    int longest = 0;
    for (int s = 0; s <= 256; ++s) {
        if (sizes[s] > 0) {
            ++bits[sizes[s]];
            if (sizes[s] > longest)
                longest = sizes[s];
        }
    }

    for (int i = longest; i > 16; --i) {
        while (bits[i] > 0) {
            int j = i - 2;
            while (j > 0 && bits[j] == 0)
                --j;
            if (j == 0)
                RaiseEncoderError(kBadHuffmanTable);
            bits[i] -= 2;
            bits[i - 1] += 1;
            bits[j + 1] += 2;
            bits[j] -= 1;
        }
    }
    // The reserved point holds one of the longest codes.
    int i = longest < 16 ? longest : 16;
    while (i > 0 && bits[i] == 0)
        --i;
    if (i > 0)
        --bits[i];

    for (int length = 1; length <= 16; ++length) {
        if (bits[length] > 255)
            RaiseEncoderError(kBadHuffmanTable);
        slot.bits[length - 1] = static_cast<std::uint8_t>(bits[length]);
    }
    int k = 0;
    for (int size = 1; size <= longest && k < 256; ++size) {
        for (int s = 0; s < 256 && k < 256; ++s) {
            if (sizes[s] == size)
                slot.huffval[k++] = static_cast<std::uint8_t>(s);
        }
    }
}

void GenerateCodes(HuffSlot& slot, bool dcTable)
{
    slot.code.fill(-1);
    slot.length.fill(0);
    int total = 0;
    std::int32_t code = 0;
    for (int length = 1; length <= 16; ++length) {
        const int n = slot.bits[length - 1];
        if (total + n > 256)
            RaiseEncoderError(kBadHuffmanTable);
        for (int k = 0; k < n; ++k) {
            const int symbol = slot.huffval[total + k];
            if ((dcTable && symbol > 11) || slot.length[symbol] != 0)
                RaiseEncoderError(kBadHuffmanTable);
            slot.code[symbol] = code++;
            slot.length[symbol] = static_cast<std::uint8_t>(length);
        }
        total += n;
        if (code >= (std::int32_t{1} << length))
            RaiseEncoderError(kBadHuffmanTable);
        code <<= 1;
    }
    if (total == 0)
        RaiseEncoderError(kBadHuffmanTable);
}

HuffSlot BuildOptimalTable(SymbolCounts& counts, bool dcTable)
{
    HuffSlot slot;
    SizesToTable(CodeSizes(counts), slot);
    GenerateCodes(slot, dcTable);
    return slot;
}

std::int64_t EncodedBits(const SymbolCounts& counts, const HuffSlot& slot, bool dcTable)
{
    std::int64_t bits = 0;
    for (int s = 0; s < 256; ++s) {
        if (counts[s] != 0)
            bits += counts[s] * (slot.length[s] + (dcTable ? s : (s & 15)));
    }
    return bits;
}

} // namespace jpeg
