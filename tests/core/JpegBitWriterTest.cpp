// The bit writer of the entropy-coded data and the growing output buffer.
#include "imaging/JpegBitWriter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Write>
Bytes Written(Write write, std::size_t capacity = 16)
{
    jpeg::JpegOutputBuffer out(capacity);
    jpeg::JpegBitWriter writer(out);
    write(writer);
    writer.Flush();
    return out.Take();
}

} // namespace

TEST(JpegBitWriter, WritesMostSignificantBitFirstAndPadsWithOnes)
{
    EXPECT_EQ(Written([](auto& w) { w.Put(0b101, 3); w.Put(0b0, 1); }), (Bytes{0xAF}));
    EXPECT_EQ(Written([](auto& w) { w.Put(0b0, 1); }), (Bytes{0x7F}));
    EXPECT_EQ(Written([](auto& w) { w.Put(0x1234, 16); w.Put(0x5, 3); }), (Bytes{0x12, 0x34, 0xBF}));
}

TEST(JpegBitWriter, AWholeByteNeedsNoPadding)
{
    EXPECT_EQ(Written([](auto& w) { w.Put(0xAB, 8); }), (Bytes{0xAB}));
    EXPECT_EQ(Written([](auto&) {}), Bytes{});
}

TEST(JpegBitWriter, StuffsAZeroAfterEveryFF)
{
    EXPECT_EQ(Written([](auto& w) { w.Put(0xFF, 8); }), (Bytes{0xFF, 0x00}));
    EXPECT_EQ(Written([](auto& w) { w.Put(0x12FF3456, 32); }), (Bytes{0x12, 0xFF, 0x00, 0x34, 0x56}));
    EXPECT_EQ(Written([](auto& w) { w.Put(0xFFFFFFFF, 32); }),
              (Bytes{0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00}));
    // Padding that completes an FF is stuffed too.
    EXPECT_EQ(Written([](auto& w) { w.Put(0x7F, 7); }), (Bytes{0xFF, 0x00}));
    // An FF spread over two writes.
    EXPECT_EQ(Written([](auto& w) { w.Put(0xF, 4); w.Put(0xF, 4); w.Put(0x0, 8); }), (Bytes{0xFF, 0x00, 0x00}));
}

TEST(JpegBitWriter, MatchesABitByBitModel)
{
    // Many writes of every length, compared with a writer that handles one bit at a time.
    std::vector<std::pair<std::uint32_t, int>> writes;
    std::uint32_t seed = 7;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int count = 1 + static_cast<int>((seed >> 16) % 27);
        const std::uint32_t bits = (i % 5 == 0) ? 0xFFFFFFFFu : seed * 2654435761u;
        writes.emplace_back(bits & ((count == 32) ? 0xFFFFFFFFu : ((1u << count) - 1)), count);
    }
    Bytes expected;
    int acc = 0, n = 0;
    auto bit = [&](int b) {
        acc = (acc << 1) | b;
        if (++n == 8) {
            expected.push_back(static_cast<std::uint8_t>(acc));
            if (acc == 0xFF)
                expected.push_back(0);
            acc = 0;
            n = 0;
        }
    };
    for (const auto& [bits, count] : writes)
        for (int i = count - 1; i >= 0; --i)
            bit((bits >> i) & 1);
    while (n != 0)
        bit(1);
    EXPECT_EQ(Written([&](auto& w) { for (const auto& [bits, count] : writes) w.Put(bits, count); }, 1), expected);
}

TEST(JpegOutputBuffer, GrowsBeyondItsFirstCapacity)
{
    jpeg::JpegOutputBuffer out(3);
    for (int i = 0; i < 1000; ++i)
        out.PutByte(static_cast<std::uint8_t>(i));
    out.PutWord(0xFFD9);
    const Bytes bytes = out.Take();
    ASSERT_EQ(bytes.size(), 1002u);
    EXPECT_EQ(bytes[999], static_cast<std::uint8_t>(999));
    EXPECT_EQ(bytes[1000], 0xFF);
    EXPECT_EQ(bytes[1001], 0xD9);
}
