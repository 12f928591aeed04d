// Scans of the JPEG encoder: the components and their coefficient stores, the scan
// grouping, the block order of non-interleaved and interleaved scans (dummy blocks included),
// the symbol statistics for the Huffman tables and the entropy coding of blocks (T.81 F.1.2).
#pragma once

#include "imaging/JpegBitWriter.h"
#include "imaging/JpegHuffman.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace jpeg {

struct ComponentSpec {
    int identifier = 0;
    int h = 1;
    int v = 1;
    int quantTable = 0;
    // The coefficient store: 64 per block in zig-zag order, blocks in raster order over the
    // padded size pw x ph of the component.
    int paddedWidth = 0;
    int paddedHeight = 0;
    std::unique_ptr<std::int16_t[]> coefficients;
    // Symbols of the store, counted while it was filled: the AC symbols of every block and the DC
    // categories with the blocks taken in store order.
    SymbolCounts acCounts{};
    SymbolCounts dcCounts{};

    int BlocksPerRow() const { return paddedWidth / 8; }
    std::size_t BlockCount() const { return static_cast<std::size_t>(paddedWidth / 8) * (paddedHeight / 8); }
    const std::int16_t* Block(std::size_t index) const { return coefficients.get() + 64 * index; }
};

// Huffman table selectors: 0 for component 0, 1 for the others.
inline int TableSelector(int component) { return component == 0 ? 0 : 1; }

// Component indices of one scan, in order.
using Scan = std::vector<int>;

// Groups the components into scans: at most 3 components and 10 blocks per MCU; a component
// with more than 10 blocks forms a scan alone.
std::vector<Scan> GroupScans(const std::vector<ComponentSpec>& components);

// The size of the frame: unpadded image size and the largest sampling factors.
struct FrameGeometry {
    int width = 0;
    int height = 0;
    int hmax = 1;
    int vmax = 1;
};

// Adds one block's DC category (of its difference to `predictor`, which it then updates) and its
// AC symbols to the counts.
void CountBlockSymbols(const std::int16_t* block, int& predictor, SymbolCounts& dcCounts, SymbolCounts& acCounts);

// True when the scan codes every component's blocks in store order without dummy blocks: a scan
// of one component, or an interleaved scan of components with H = V = 1.
bool CodedInStoreOrder(const Scan& scan, const std::vector<ComponentSpec>& components);

// Adds the DC categories of the scan's blocks in coding order (dummy blocks included, a predictor
// per component starting at 0) to dcCounts[selector of the component], and the number of dummy
// blocks to dummyBlocks[selector].
void CountDcSymbols(const Scan& scan, const std::vector<ComponentSpec>& components,
                    const FrameGeometry& frame, SymbolCounts* dcCounts, std::int64_t* dummyBlocks);

// Writes the entropy-coded data of one scan (without its SOS header), flushed to a whole byte.
void EncodeScan(const Scan& scan, const std::vector<ComponentSpec>& components,
                const FrameGeometry& frame, const HuffSlot* dcTables, const HuffSlot* acTables,
                JpegOutputBuffer& out);

} // namespace jpeg
