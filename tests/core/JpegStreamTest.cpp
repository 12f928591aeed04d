// The JFIF stream of cJpeg: segments in their fixed order with their bytes and lengths, the
// comment, the scan headers and the entropy-coded data (stuffing, padding, dummy blocks).
#include "core/support/JpegStreamReader.h"
#include "imaging/Jpeg.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Markers = std::vector<int>;

constexpr int SOI = 0xD8, APP0 = 0xE0, COM = 0xFE, DQT = 0xDB, SOF0 = 0xC0, DHT = 0xC4, SOS = 0xDA,
              EOI = 0xD9, DATA = 0;

// A picture with detail everywhere, so that every real block has AC coefficients.
JpegTestSurface NoisyPicture(int width, int height, std::uint32_t seed = 99)
{
    JpegTestSurface s(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            s.SetPixel(x, y, static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 16),
                       static_cast<std::uint8_t>((x * 13 + y * 7) & 0xFF));
        }
    return s;
}

Bytes Encode(cJpeg& encoder, const JpegTestSurface& source)
{
    EXPECT_EQ(encoder.SampleHDC(&source, source.SurfaceWidth(), source.SurfaceHeight(), 0, 0), 0);
    return encoder.EncodeToMemory();
}

Bytes SegmentBytes(const Bytes& stream, const JpegSegment& segment)
{
    return Bytes(stream.begin() + static_cast<std::ptrdiff_t>(segment.offset),
                 stream.begin() + static_cast<std::ptrdiff_t>(segment.offset + 2 + segment.length));
}

} // namespace

TEST(JpegSegments, ColourImageHasThePartsOrder)
{
    cJpeg encoder;
    const JpegTestSurface source = NoisyPicture(17, 9);
    const Bytes stream = Encode(encoder, source);
    const auto segments = ListSegments(stream);
    EXPECT_EQ(MarkersOf(segments), (Markers{SOI, APP0, DQT, DQT, SOF0, DHT, DHT, DHT, DHT, SOS, DATA, EOI}));
    EXPECT_EQ(segments.back().offset + 2, stream.size());

    EXPECT_EQ(SegmentBytes(stream, segments[1]),
              (Bytes{0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00}));
    EXPECT_EQ(segments[2].length, 67u);
    EXPECT_EQ(stream[segments[2].offset + 4], 0x00);  // Pq 0, Tq 0
    EXPECT_EQ(stream[segments[3].offset + 4], 0x01);
    EXPECT_EQ(SegmentBytes(stream, segments[4]),
              (Bytes{0xFF, 0xC0, 0x00, 17, 8, 0x00, 9, 0x00, 17, 3, 1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1}));
    // DC 0, AC 0, DC 1, AC 1, each in a segment of its own.
    for (int i = 0; i < 4; ++i) {
        const JpegSegment& dht = segments[5 + i];
        EXPECT_EQ(stream[dht.offset + 4], (Bytes{0x00, 0x10, 0x01, 0x11}[i]));
        int symbols = 0;
        for (int k = 0; k < 16; ++k)
            symbols += stream[dht.offset + 5 + k];
        EXPECT_EQ(dht.length, 19u + symbols);
    }
    EXPECT_EQ(SegmentBytes(stream, segments[9]), (Bytes{0xFF, 0xDA, 0x00, 12, 3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0}));
}

TEST(JpegSegments, GreyImageHasOneTableOfEachKindAndOneScan)
{
    for (int factor : {1, 2}) {
        cJpeg encoder;
        encoder.SetSamplingFrequencies(factor, factor, 0, 0, 0, 0);
        const JpegTestSurface source = NoisyPicture(17, 9);
        const Bytes stream = Encode(encoder, source);
        const auto segments = ListSegments(stream);
        EXPECT_EQ(MarkersOf(segments), (Markers{SOI, APP0, DQT, SOF0, DHT, DHT, SOS, DATA, EOI}));
        EXPECT_EQ(SegmentBytes(stream, segments[3]), (Bytes{0xFF, 0xC0, 0x00, 11, 8, 0x00, 9, 0x00, 17, 1, 1, 0x11, 0}));
        EXPECT_EQ(SegmentBytes(stream, segments[6]), (Bytes{0xFF, 0xDA, 0x00, 8, 1, 1, 0x00, 0, 63, 0}));
        const DecodedJpeg decoded = DecodeJpeg(stream);
        ASSERT_TRUE(decoded.ok) << decoded.error;
        EXPECT_EQ(decoded.components, 1);
    }
}

TEST(JpegComment, EmptyCommentWritesNoSegment)
{
    cJpeg encoder;
    EXPECT_EQ(encoder.Comment(), "");
    encoder.Comment("x");
    encoder.Comment("");
    const JpegTestSurface source = NoisyPicture(8, 8);
    const auto markers = MarkersOf(ListSegments(Encode(encoder, source)));
    EXPECT_EQ(std::count(markers.begin(), markers.end(), COM), 0);
}

TEST(JpegComment, FollowsApp0InTheAnsiCodePage)
{
    cJpeg encoder;
    encoder.Comment("Grüße €");
    EXPECT_EQ(encoder.Comment(), "Grüße €");
    const JpegTestSurface source = NoisyPicture(8, 8);
    const Bytes stream = Encode(encoder, source);
    const auto segments = ListSegments(stream);
    ASSERT_EQ(segments[2].marker, COM);
    EXPECT_EQ(SegmentBytes(stream, segments[2]), (Bytes{0xFF, 0xFE, 0x00, 9, 'G', 'r', 0xFC, 0xDF, 'e', ' ', 0x80}));
    EXPECT_EQ(segments[3].marker, DQT);
}

TEST(JpegComment, LongestCommentFillsTheLengthField)
{
    cJpeg encoder;
    encoder.Comment(std::string(65533, 'a'));
    const JpegTestSurface source = NoisyPicture(8, 8);
    const Bytes stream = Encode(encoder, source);
    const auto segments = ListSegments(stream);
    ASSERT_EQ(segments[2].marker, COM);
    EXPECT_EQ(segments[2].length, 65535u);
    const DecodedJpeg decoded = DecodeJpeg(stream);
    EXPECT_TRUE(decoded.ok) << decoded.error;
}

TEST(JpegComment, LongerCommentIsRefusedAndTheOldOneKept)
{
    cJpeg encoder;
    encoder.Comment("alt");
    for (const std::string& tooLong : {std::string(65534, 'a'), std::string(65534, '\xE4')}) {
        try {
            encoder.Comment(tooLong);
            ADD_FAILURE() << "accepted " << tooLong.size() << " bytes";
        } catch (const JpegError& e) {
            EXPECT_EQ(e.Number(), 1);
            EXPECT_STREQ(e.what(), "Illegal Comment Length");
        }
        EXPECT_EQ(encoder.Comment(), "alt");
    }
    // Characters count, not UTF-8 bytes: 65533 umlauts are 131066 bytes of UTF-8.
    std::string umlauts;
    for (int i = 0; i < 65533; ++i)
        umlauts += "ä";
    EXPECT_NO_THROW(encoder.Comment(umlauts));
}

TEST(JpegSampling, InvalidFactorsAreRefusedAndTheComponentsKept)
{
    cJpeg encoder;
    encoder.SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    const int bad[][6] = {{0, 1, 1, 1, 1, 1}, {1, 5, 1, 1, 1, 1}, {1, 1, 0, 1, 1, 1}, {1, 1, 1, 1, 5, 1},
                          {1, 1, 1, 1, 1, 0}, {5, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 1}};
    for (const auto& f : bad) {
        try {
            encoder.SetSamplingFrequencies(f[0], f[1], f[2], f[3], f[4], f[5]);
            ADD_FAILURE() << "accepted " << f[0] << f[1] << f[2] << f[3] << f[4] << f[5];
        } catch (const JpegError& e) {
            EXPECT_EQ(e.Number(), 1);
            EXPECT_STREQ(e.what(), "Invalid Sampling Value");
        }
    }
    const JpegTestSurface source = NoisyPicture(20, 20);
    const ParsedJpeg parsed = ParseJpeg(Encode(encoder, source));
    ASSERT_EQ(parsed.components.size(), 3u);
    EXPECT_EQ(parsed.components[0].h, 2);
    EXPECT_EQ(parsed.components[0].v, 2);
}

TEST(JpegScans, FourByFourLuminanceIsScannedAlone)
{
    cJpeg encoder;
    encoder.SetSamplingFrequencies(4, 4, 1, 1, 1, 1);
    const JpegTestSurface source = NoisyPicture(40, 24);
    const Bytes stream = Encode(encoder, source);
    const auto segments = ListSegments(stream);
    EXPECT_EQ(MarkersOf(segments), (Markers{SOI, APP0, DQT, DQT, SOF0, DHT, DHT, DHT, DHT, SOS, DATA, SOS, DATA, EOI}));
    EXPECT_EQ(SegmentBytes(stream, segments[9]), (Bytes{0xFF, 0xDA, 0x00, 8, 1, 1, 0x00, 0, 63, 0}));
    EXPECT_EQ(SegmentBytes(stream, segments[11]), (Bytes{0xFF, 0xDA, 0x00, 10, 2, 2, 0x11, 3, 0x11, 0, 63, 0}));

    const ParsedJpeg parsed = ParseJpeg(stream);
    // Luminance alone: its 5 x 3 blocks in store order, no dummy blocks.
    ScanBitReader luminance(parsed.scans[0].data);
    for (int n = 0; n < 15; ++n)
        luminance.Block(parsed.dcTables.at(0), parsed.acTables.at(0));
    EXPECT_TRUE(luminance.EndsWithOnePadding());
    // Chroma: 16 x 8 samples each, MCUs of 32 x 32 pixels: 2 MCUs of one Cb and one Cr block.
    ScanBitReader chroma(parsed.scans[1].data);
    for (int n = 0; n < 4; ++n)
        chroma.Block(parsed.dcTables.at(1), parsed.acTables.at(1));
    EXPECT_TRUE(chroma.EndsWithOnePadding());

    const DecodedJpeg decoded = DecodeJpeg(stream);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_GT(Psnr(source, decoded), 10.0);
}

TEST(JpegScans, TwentyByTwentyAtFourTwoZeroHasDummyBlocks)
{
    cJpeg encoder;
    encoder.SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    const JpegTestSurface source = NoisyPicture(20, 20);
    const Bytes stream = Encode(encoder, source);
    const ParsedJpeg parsed = ParseJpeg(stream);
    ASSERT_EQ(parsed.scans.size(), 1u);
    ASSERT_EQ(parsed.scans[0].components.size(), 3u);
    EXPECT_EQ(parsed.components[0].h, 2);
    EXPECT_EQ(parsed.components[1].h, 1);

    // 2 x 2 MCUs of 16 x 16 pixels; luminance store 24 x 24 = 3 x 3 blocks, chroma 16 x 16 = 2 x 2.
    ScanBitReader reader(parsed.scans[0].data);
    for (int my = 0; my < 2; ++my) {
        for (int mx = 0; mx < 2; ++mx) {
            for (int r = 0; r < 2; ++r) {
                for (int h = 0; h < 2; ++h) {
                    const CodedBlock b = reader.Block(parsed.dcTables.at(0), parsed.acTables.at(0));
                    const int blockColumn = 2 * mx + h, blockRow = 2 * my + r;
                    const bool real = blockColumn < 3 && blockRow < 3;
                    if (real) {
                        EXPECT_FALSE(b.AllAcZero()) << "real block " << blockColumn << "," << blockRow;
                    } else {
                        EXPECT_EQ(b.dcDiff, 0) << "dummy block " << blockColumn << "," << blockRow;
                        EXPECT_TRUE(b.AllAcZero());
                        EXPECT_TRUE(b.eob);
                    }
                }
            }
            for (int c = 0; c < 2; ++c) {
                const CodedBlock b = reader.Block(parsed.dcTables.at(1), parsed.acTables.at(1));
                EXPECT_FALSE(b.AllAcZero()) << "chroma block of MCU " << mx << "," << my;
            }
        }
    }
    EXPECT_TRUE(reader.EndsWithOnePadding());

    const DecodedJpeg decoded = DecodeJpeg(stream);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, 20);
    EXPECT_EQ(decoded.height, 20);
}

TEST(JpegScans, DummyBlocksHaveAnEndOfBlockCodeEvenWhenNoRealBlockNeedsOne)
{
    // At quality 100 nearly every block of noise ends in a nonzero coefficient 63; the dummy
    // blocks of 4:2:0 still need the EOB code.
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        cJpeg encoder;
        encoder.Quality(100);
        encoder.SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
        const JpegTestSurface source = NoisyPicture(20, 20, seed * 7919);
        const DecodedJpeg decoded = DecodeJpeg(Encode(encoder, source));
        EXPECT_TRUE(decoded.ok) << "seed " << seed << ": " << decoded.error;
    }
}

TEST(JpegScans, EntropyCodedDataStuffsEveryFFAndEndsOnOnes)
{
    cJpeg encoder;
    encoder.Quality(100);
    const JpegTestSurface source = NoisyPicture(64, 64, 5);
    const Bytes stream = Encode(encoder, source);
    const auto segments = ListSegments(stream);
    int stuffed = 0;
    for (const JpegSegment& s : segments) {
        if (s.marker != DATA)
            continue;
        for (std::size_t i = s.offset; i < s.offset + s.length; ++i) {
            if (stream[i] == 0xFF) {
                ASSERT_LT(i + 1, s.offset + s.length);
                EXPECT_EQ(stream[i + 1], 0x00);
                ++stuffed;
                ++i;
            }
        }
    }
    EXPECT_GT(stuffed, 0);

    const ParsedJpeg parsed = ParseJpeg(stream);
    ScanBitReader reader(parsed.scans[0].data);
    for (int n = 0; n < 64; ++n)
        for (int c = 0; c < 3; ++c)
            reader.Block(parsed.dcTables.at(c == 0 ? 0 : 1), parsed.acTables.at(c == 0 ? 0 : 1));
    EXPECT_TRUE(reader.EndsWithOnePadding());
}

TEST(JpegScans, GroupingKeepsAtMostTenBlocksAndThreeComponents)
{
    auto group = [](std::vector<std::pair<int, int>> factors) {
        std::vector<jpeg::ComponentSpec> components(factors.size());
        for (std::size_t c = 0; c < factors.size(); ++c) {
            components[c].h = factors[c].first;
            components[c].v = factors[c].second;
        }
        return jpeg::GroupScans(components);
    };
    using Scans = std::vector<jpeg::Scan>;
    EXPECT_EQ(group({{1, 1}, {1, 1}, {1, 1}}), (Scans{{0, 1, 2}}));
    EXPECT_EQ(group({{2, 2}, {2, 2}, {1, 1}}), (Scans{{0, 1, 2}}));      // 9 blocks
    EXPECT_EQ(group({{2, 2}, {2, 2}, {2, 1}}), (Scans{{0, 1, 2}}));      // exactly 10 blocks
    EXPECT_EQ(group({{4, 2}, {1, 1}, {1, 1}}), (Scans{{0, 1, 2}}));      // exactly 10 blocks
    EXPECT_EQ(group({{3, 3}, {1, 1}, {1, 2}}), (Scans{{0, 1}, {2}}));    // 10, then 12
    EXPECT_EQ(group({{2, 2}, {2, 2}, {2, 2}}), (Scans{{0, 1}, {2}}));    // 12 blocks
    EXPECT_EQ(group({{3, 3}, {1, 1}, {1, 1}}), (Scans{{0, 1}, {2}}));    // 11 blocks
    EXPECT_EQ(group({{4, 4}, {1, 1}, {1, 1}}), (Scans{{0}, {1, 2}}));
    EXPECT_EQ(group({{4, 3}, {4, 3}, {1, 1}}), (Scans{{0}, {1}, {2}}));
    EXPECT_EQ(group({{1, 1}, {4, 4}, {4, 4}}), (Scans{{0}, {1}, {2}}));
    EXPECT_EQ(group({{1, 1}}), (Scans{{0}}));
}

TEST(JpegErrors, SavingWithoutSampledPictureRaisesBadHuffmanTable)
{
    cJpeg encoder;
    try {
        encoder.EncodeToMemory();
        ADD_FAILURE() << "no error";
    } catch (const JpegError& e) {
        EXPECT_EQ(e.Number(), 1);
        EXPECT_STREQ(e.what(), "Bad Huffman Table");
    }
}

TEST(JpegErrors, NoSurfaceOrEmptySizeReturnsOne)
{
    cJpeg encoder;
    const JpegTestSurface source = NoisyPicture(8, 8);
    EXPECT_EQ(encoder.SampleHDC(nullptr, 8, 8, 0, 0), 1);
    EXPECT_EQ(encoder.SampleHDC(&source, 0, 8, 0, 0), 1);
    EXPECT_EQ(encoder.SampleHDC(&source, 8, -1, 0, 0), 1);
}

TEST(JpegErrors, FailedSampleLeavesNothingToSave)
{
    cJpeg encoder;
    const JpegTestSurface source = NoisyPicture(16, 16);
    ASSERT_EQ(encoder.SampleHDC(&source, 16, 16, 0, 0), 0);
    ASSERT_EQ(encoder.SampleHDC(nullptr, 32, 32, 0, 0), 1);
    EXPECT_THROW(encoder.EncodeToMemory(), JpegError);
}

TEST(JpegErrors, SizesBeyondSixteenBitsAndOverflowingOffsetsReturnOneAtOnce)
{
    const JpegTestSurface source = NoisyPicture(16, 16);
    cJpeg encoder;
    encoder.SetSamplingFrequencies(1, 1, 0, 0, 0, 0);
    ASSERT_EQ(encoder.SampleHDC(&source, 16, 16, 0, 0), 0);
    const long readsBefore = source.RowReads();
    // The frame header holds 16 bits per side: nothing larger is allocated or read.
    EXPECT_EQ(encoder.SampleHDC(&source, 65536, 1, 0, 0), 1);
    EXPECT_EQ(encoder.SampleHDC(&source, 1, 65536, 0, 0), 1);
    EXPECT_EQ(encoder.SampleHDC(&source, 2147483647, 2147483647, 0, 0), 1);
    EXPECT_EQ(encoder.SampleHDC(&source, 8, 8, 2147483647 - 7, 0), 1);
    EXPECT_EQ(encoder.SampleHDC(&source, 8, 8, 0, 2147483647 - 3), 1);
    EXPECT_EQ(source.RowReads(), readsBefore);
    EXPECT_THROW(encoder.EncodeToMemory(), JpegError);  // the earlier picture is gone

    EXPECT_EQ(encoder.SampleHDC(&source, 8, 8, 2147483647 - 8, -5), 0);
    EXPECT_EQ(encoder.SampleHDC(&source, 65535, 1, 0, 0), 0);
    EXPECT_EQ(ParseJpeg(encoder.EncodeToMemory()).width, 65535);
}

TEST(JpegParameters, TablesAreWrittenAsTheyStandAtSaveTime)
{
    cJpeg encoder;
    const JpegTestSurface source = NoisyPicture(16, 16);
    ASSERT_EQ(encoder.SampleHDC(&source, 16, 16, 0, 0), 0);
    const Bytes first = encoder.EncodeToMemory();
    EXPECT_EQ(encoder.EncodeToMemory(), first);  // saving does not use anything up
    encoder.Quality(50);
    const ParsedJpeg parsed = ParseJpeg(encoder.EncodeToMemory());
    EXPECT_EQ(parsed.quantTables.at(0)[0], 16);
    EXPECT_EQ(ParseJpeg(first).quantTables.at(0)[0], 2);
}
