// An independent reader of the streams the JPEG encoder writes, for tests: the header segments
// (DQT, SOF0, DHT, SOS) and a bit-level decoder of a scan's entropy-coded data.
#pragma once

#include "JpegDecode.h"

#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

struct ParsedFrameComponent {
    int id = 0, h = 0, v = 0, tq = 0;
};

struct ParsedHuffmanTable {
    std::array<int, 16> bits{};
    std::vector<int> values;
    std::map<std::pair<int, int>, int> symbolByCode;  // (length, code) -> symbol
};

struct ParsedScan {
    std::vector<std::array<int, 3>> components;  // id, DC table, AC table
    std::vector<std::uint8_t> data;               // entropy-coded bytes as stored (stuffed)
};

struct ParsedJpeg {
    std::vector<JpegSegment> segments;
    std::map<int, std::array<int, 64>> quantTables;  // by Tq, zig-zag order
    int width = 0, height = 0, precision = 0;
    std::vector<ParsedFrameComponent> components;
    std::map<int, ParsedHuffmanTable> dcTables, acTables;
    std::vector<ParsedScan> scans;
    std::vector<std::uint8_t> comment;
};

inline ParsedHuffmanTable MakeHuffmanTable(const std::uint8_t* p)
{
    ParsedHuffmanTable t;
    int count = 0;
    for (int i = 0; i < 16; ++i) {
        t.bits[i] = p[i];
        count += p[i];
    }
    int k = 0, code = 0;
    for (int length = 1; length <= 16; ++length) {
        for (int n = 0; n < t.bits[length - 1]; ++n, ++k) {
            t.values.push_back(p[16 + k]);
            t.symbolByCode[{length, code++}] = p[16 + k];
        }
        code <<= 1;
    }
    (void)count;
    return t;
}

inline ParsedJpeg ParseJpeg(const std::vector<std::uint8_t>& s)
{
    ParsedJpeg j;
    j.segments = ListSegments(s);
    for (std::size_t n = 0; n < j.segments.size(); ++n) {
        const JpegSegment& seg = j.segments[n];
        const std::uint8_t* p = s.data() + seg.offset + 4;
        switch (seg.marker) {
        case 0xDB: {
            std::array<int, 64> q{};
            for (int i = 0; i < 64; ++i)
                q[i] = p[1 + i];
            j.quantTables[p[0] & 15] = q;
            break;
        }
        case 0xC0:
            j.precision = p[0];
            j.height = (p[1] << 8) | p[2];
            j.width = (p[3] << 8) | p[4];
            for (int c = 0; c < p[5]; ++c)
                j.components.push_back({p[6 + 3 * c], p[7 + 3 * c] >> 4, p[7 + 3 * c] & 15, p[8 + 3 * c]});
            break;
        case 0xC4:
            (p[0] >> 4 ? j.acTables : j.dcTables)[p[0] & 15] = MakeHuffmanTable(p + 1);
            break;
        case 0xFE:
            j.comment.assign(p, p + seg.length - 2);
            break;
        case 0xDA: {
            ParsedScan scan;
            for (int c = 0; c < p[0]; ++c)
                scan.components.push_back({p[1 + 2 * c], p[2 + 2 * c] >> 4, p[2 + 2 * c] & 15});
            if (n + 1 < j.segments.size() && j.segments[n + 1].marker == 0) {
                const JpegSegment& data = j.segments[n + 1];
                scan.data.assign(s.begin() + static_cast<std::ptrdiff_t>(data.offset),
                                 s.begin() + static_cast<std::ptrdiff_t>(data.offset + data.length));
            }
            j.scans.push_back(std::move(scan));
            break;
        }
        default:
            break;
        }
    }
    return j;
}

// One block as coded: the DC difference and the AC coefficients (zig-zag positions 1..63).
struct CodedBlock {
    int dcDiff = 0;
    std::array<int, 64> ac{};
    bool eob = false;  // ended with an EOB symbol
    bool AllAcZero() const
    {
        for (int i = 1; i < 64; ++i)
            if (ac[i] != 0)
                return false;
        return true;
    }
};

class ScanBitReader {
public:
    explicit ScanBitReader(const std::vector<std::uint8_t>& stuffed)
    {
        for (std::size_t i = 0; i < stuffed.size(); ++i) {
            bytes_.push_back(stuffed[i]);
            if (stuffed[i] == 0xFF) {
                if (i + 1 >= stuffed.size() || stuffed[i + 1] != 0x00)
                    throw std::runtime_error("FF without stuffed 00");
                ++i;
            }
        }
    }

    int Bit()
    {
        if (pos_ >= bytes_.size() * 8)
            throw std::runtime_error("read past the end of the scan");
        const int bit = (bytes_[pos_ / 8] >> (7 - pos_ % 8)) & 1;
        ++pos_;
        return bit;
    }
    int Bits(int n)
    {
        int v = 0;
        for (int i = 0; i < n; ++i)
            v = (v << 1) | Bit();
        return v;
    }
    int Symbol(const ParsedHuffmanTable& t)
    {
        int code = 0;
        for (int length = 1; length <= 16; ++length) {
            code = (code << 1) | Bit();
            const auto it = t.symbolByCode.find({length, code});
            if (it != t.symbolByCode.end())
                return it->second;
        }
        throw std::runtime_error("no such Huffman code");
    }
    static int Extend(int v, int category)
    {
        return (category == 0 || v >= (1 << (category - 1))) ? v : v - (1 << category) + 1;
    }
    CodedBlock Block(const ParsedHuffmanTable& dc, const ParsedHuffmanTable& ac)
    {
        CodedBlock b;
        const int dcCategory = Symbol(dc);
        b.dcDiff = Extend(Bits(dcCategory), dcCategory);
        for (int k = 1; k < 64;) {
            const int rs = Symbol(ac);
            const int run = rs >> 4, category = rs & 15;
            if (category == 0) {
                if (run == 15) {
                    k += 16;
                    continue;
                }
                b.eob = true;
                break;
            }
            k += run;
            b.ac.at(static_cast<std::size_t>(k)) = Extend(Bits(category), category);
            ++k;
        }
        return b;
    }
    // The bits left after the last block: fewer than 8, all 1.
    bool EndsWithOnePadding() const
    {
        const std::size_t total = bytes_.size() * 8;
        if (total - pos_ >= 8)
            return false;
        for (std::size_t p = pos_; p < total; ++p)
            if (((bytes_[p / 8] >> (7 - p % 8)) & 1) == 0)
                return false;
        return true;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};
