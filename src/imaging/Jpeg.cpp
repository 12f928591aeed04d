#include "imaging/Jpeg.h"

#include "common/CodePage.h"
#include "common/PlatformFiles.h"
#include "imaging/JpegBitWriter.h"
#include "imaging/JpegDct.h"
#include "imaging/JpegSampler.h"
#include "imaging/JpegSegments.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <new>

using namespace jpeg;

namespace {

constexpr std::size_t kMaxCommentLength = 65533;

bool ValidFactor(int f) { return f >= 1 && f <= 4; }

int CeilDiv(std::int64_t a, std::int64_t b) { return static_cast<int>((a + b - 1) / b); }

void AddCounts(SymbolCounts& sum, const SymbolCounts& counts)
{
    for (std::size_t s = 0; s < sum.size(); ++s)
        sum[s] += counts[s];
}

} // namespace

cJpeg::cJpeg()
{
    SetSamplingFrequencies(1, 1, 1, 1, 1, 1);
    Quality(95);
}

// ---- parameters -------------------------------------------------------------------------------

void cJpeg::Quality(int vData)
{
    if (vData < 1 || vData > 100)
        return;
    quality_ = vData;
    const int scale = QualityScale(vData);
    QuantSlot luminance{ScaleQuantTable(BaseLuminanceTable(), scale), {}};
    QuantSlot chrominance{ScaleQuantTable(BaseChrominanceTable(), scale), {}};
    ComputeDivisors(luminance);
    ComputeDivisors(chrominance);
    quant_[0] = luminance;
    quant_[1] = chrominance;
}

void cJpeg::SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3)
{
    if (!ValidFactor(H1) || !ValidFactor(V1))
        RaiseEncoderError(kInvalidSamplingValue);
    std::vector<ComponentSpec> components;
    if (H2 == 0 && V2 == 0 && H3 == 0 && V3 == 0) {
        components.resize(1);  // grey: H1 and V1 are only tested
    } else {
        if (!ValidFactor(H2) || !ValidFactor(H3) || !ValidFactor(V2) || !ValidFactor(V3))
            RaiseEncoderError(kInvalidSamplingValue);
        components.resize(3);
        const int factors[3][2] = {{H1, V1}, {H2, V2}, {H3, V3}};
        for (int c = 0; c < 3; ++c) {
            components[c].h = factors[c][0];
            components[c].v = factors[c][1];
            components[c].quantTable = c == 0 ? 0 : 1;
        }
    }
    hmax_ = 1;
    vmax_ = 1;
    for (const ComponentSpec& c : components) {
        hmax_ = std::max(hmax_, c.h);
        vmax_ = std::max(vmax_, c.v);
    }
    components_ = std::move(components);
}

void cJpeg::Comment(const std::string& Value)
{
    std::string bytes = Utf8ToCp1252(Value);
    if (bytes.size() > kMaxCommentLength)
        RaiseEncoderError(kIllegalCommentLength);
    comment_ = Value;
    commentBytes_ = std::move(bytes);
}

// ---- sampling ---------------------------------------------------------------------------------

int cJpeg::SampleHDC(const DrawingSurface* lHDC, int lWidth, int lHeight, int lSrcLeft, int lSrcTop)
{
    precision_ = 8;
    width_ = lWidth;
    height_ = lHeight;
    // The frame header holds 16 bits per side, and every pixel read lies at offset + position:
    // anything larger fails here instead of allocating gigabytes first.
    constexpr int kMaxSide = 65535;
    const bool fits = lWidth <= kMaxSide && lHeight <= kMaxSide &&
                      static_cast<std::int64_t>(lSrcLeft) + lWidth <= std::numeric_limits<int>::max() &&
                      static_cast<std::int64_t>(lSrcTop) + lHeight <= std::numeric_limits<int>::max();
    try {
        // No surface, or a size no DIB section can have: what a failed CreateDIBSection returns.
        if (lHDC != nullptr && lWidth > 0 && lHeight > 0 && fits) {
            SampleComponents(*lHDC, lSrcLeft, lSrcTop);
            return 0;
        }
    } catch (const std::bad_alloc&) {
    }
    // Nothing of an earlier picture is left to be saved with the new size.
    for (ComponentSpec& component : components_) {
        component.paddedWidth = 0;
        component.paddedHeight = 0;
        component.coefficients.reset();
        component.dcCounts = {};
        component.acCounts = {};
    }
    return 1;
}

void cJpeg::SampleComponents(const DrawingSurface& surface, int left, int top)
{
    struct Size { int cw, ch, pw, ph; };
    const int count = static_cast<int>(components_.size());
    std::vector<Size> sizes(count);
    // The new stores and their counts; they replace the old ones only when all is done.
    std::vector<ComponentSpec> sampled(count);
    for (int c = 0; c < count; ++c) {
        Size& s = sizes[c];
        s.cw = CeilDiv(static_cast<std::int64_t>(width_) * components_[c].h, hmax_);
        s.ch = CeilDiv(static_cast<std::int64_t>(height_) * components_[c].v, vmax_);
        s.pw = CeilDiv(s.cw, 8) * 8;
        s.ph = CeilDiv(s.ch, 8) * 8;
        sampled[c].paddedWidth = s.pw;
        sampled[c].paddedHeight = s.ph;
        sampled[c].coefficients = std::make_unique_for_overwrite<std::int16_t[]>(static_cast<std::size_t>(s.pw) * s.ph);
    }
    const QuantDivisors divisors[2] = {PrepareDivisors(quant_[0]), PrepareDivisors(quant_[1])};

    // The picture is drawn again only when the padded size changes: a following component of the
    // same padded size is sampled from the same pixels, even where its own cw x ch differs.
    for (int first = 0; first < count;) {
        int end = first + 1;
        while (end < count && sizes[end].pw == sizes[first].pw && sizes[end].ph == sizes[first].ph)
            ++end;
        const Size& s = sizes[first];
        SampledArea area(surface, left, top, width_, height_, s.cw, s.ch, s.pw, s.ph);
        const int blocksAcross = s.pw / 8;
        int predictors[3] = {0, 0, 0};
        PixelBlock pixels;
        alignas(16) float work[64];
        for (int by = 0; by < s.ph / 8; ++by) {
            const std::uint8_t* strip = area.Strip(by);
            for (int bx = 0; bx < blocksAcross; ++bx) {
                LoadPixelBlock(strip + 24 * bx, area.StripStride(), pixels);
                const std::size_t offset = 64 * (static_cast<std::size_t>(by) * blocksAcross + bx);
                for (int c = first; c < end; ++c) {
                    ConvertBlock(pixels, c, work);
                    std::int16_t* block = sampled[c].coefficients.get() + offset;
                    TransformAndQuantize(work, divisors[components_[c].quantTable], block);
                    // Counted here, while the block is at hand, for SaveFile's Huffman tables.
                    CountBlockSymbols(block, predictors[c], sampled[c].dcCounts, sampled[c].acCounts);
                }
            }
        }
        first = end;
    }

    for (int c = 0; c < count; ++c) {
        ComponentSpec& component = components_[c];
        component.identifier = c + 1;
        component.paddedWidth = sampled[c].paddedWidth;
        component.paddedHeight = sampled[c].paddedHeight;
        component.coefficients = std::move(sampled[c].coefficients);
        component.dcCounts = sampled[c].dcCounts;
        component.acCounts = sampled[c].acCounts;
    }
}

// ---- writing ----------------------------------------------------------------------------------

cJpeg::HuffmanTables cJpeg::BuildHuffmanTables(const std::vector<Scan>& scans, const FrameGeometry& frame) const
{
    // The symbols were counted by SampleHDC in store order; only DC in the MCU order of an
    // interleaved scan with dummy blocks needs a pass of its own.
    std::array<SymbolCounts, 4> dcCounts{};
    std::array<SymbolCounts, 4> acCounts{};
    std::array<std::int64_t, 4> dummyBlocks{};
    std::array<bool, 4> used{};
    for (const Scan& scan : scans) {
        if (CodedInStoreOrder(scan, components_)) {
            for (int c : scan)
                AddCounts(dcCounts[TableSelector(c)], components_[c].dcCounts);
        } else {
            CountDcSymbols(scan, components_, frame, dcCounts.data(), dummyBlocks.data());
        }
    }
    for (int c = 0; c < static_cast<int>(components_.size()); ++c) {
        AddCounts(acCounts[TableSelector(c)], components_[c].acCounts);
        used[TableSelector(c)] = true;
    }
    // Dummy blocks are coded with an EOB but not counted. Where no real block ends in zeros
    // (noise at quality 100) a table built from the real blocks alone would have no EOB code and the stream would be
    // corrupt; only then is the EOB given a count of its own.
    for (int slot = 0; slot < 4; ++slot) {
        if (dummyBlocks[slot] > 0 && acCounts[slot][0] == 0)
            acCounts[slot][0] = 1;
    }

    // Each slot in order, DC first, then AC.
    HuffmanTables tables;
    std::int64_t bits = 0;
    for (int slot = 0; slot < 4; ++slot) {
        if (!used[slot])
            continue;
        SymbolCounts counts = dcCounts[slot];
        tables.dc[slot] = BuildOptimalTable(counts, true);
        bits += EncodedBits(dcCounts[slot], tables.dc[slot], true);
        counts = acCounts[slot];
        tables.ac[slot] = BuildOptimalTable(counts, false);
        bits += EncodedBits(acCounts[slot], tables.ac[slot], false);
    }
    tables.estimatedBytes = (bits + 7) / 8;
    return tables;
}

std::vector<std::uint8_t> cJpeg::EncodeToMemory()
{
    const std::vector<Scan> scans = GroupScans(components_);
    const FrameGeometry frame{width_, height_, hmax_, vmax_};
    const HuffmanTables tables = BuildHuffmanTables(scans, frame);

    const double capacity = std::nearbyint(1.3 * static_cast<double>(tables.estimatedBytes) + 1000.0 +
                                           static_cast<double>(commentBytes_.size()));
    JpegOutputBuffer out(static_cast<std::size_t>(capacity) + 1);

    const bool colour = components_.size() == 3;
    EmitSoi(out);
    EmitApp0(out);
    if (!commentBytes_.empty())
        EmitCom(out, commentBytes_);
    EmitDqt(out, 0, quant_[0].values, precision_);
    if (colour)
        EmitDqt(out, 1, quant_[1].values, precision_);
    EmitSof0(out, width_, height_, components_);
    EmitDht(out, 0, false, tables.dc[0]);
    EmitDht(out, 0, true, tables.ac[0]);
    if (colour) {
        EmitDht(out, 1, false, tables.dc[1]);
        EmitDht(out, 1, true, tables.ac[1]);
    }
    for (const Scan& scan : scans) {
        EmitSos(out, scan, components_);
        EncodeScan(scan, components_, frame, tables.dc.data(), tables.ac.data(), out);
    }
    EmitEoi(out);
    return out.Take();
}

int cJpeg::SaveFile(const std::string& FileName)
{
    namespace fs = std::filesystem;
    if (FileName.empty())
        return 1;
    const fs::path path(std::u8string(reinterpret_cast<const char8_t*>(FileName.data()), FileName.size()));
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    const bool danglingLink = !fs::exists(status) && fs::is_symlink(fs::symlink_status(path, ec));
    if ((fs::exists(status) && !fs::is_directory(status)) || danglingLink)
        return 2;

    // The whole stream is assembled first: an error raised on the way leaves no file.
    const std::vector<std::uint8_t> bytes = EncodeToMemory();
    // Made exclusively: a file that appeared since the check above is never overwritten.
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    switch (WriteFileToDisk(path, data, FileOpenMode::CreateNew)) {
    case FileWriteStatus::Written:
        return 0;
    case FileWriteStatus::AlreadyExists:
        if (fs::is_directory(path, ec))
            throw JpegError(75, "Path/File access error");
        return 2;
    case FileWriteStatus::OpenFailed:
        throw JpegError(75, "Path/File access error");
    case FileWriteStatus::WriteFailed:
        break;
    }
    fs::remove(path, ec);
    throw JpegError(57, "Device I/O error");
}
