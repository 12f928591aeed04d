// cJpeg, the system's baseline JPEG encoder: samples a rectangle of a drawing surface
// into quantized DCT coefficients and writes them as a JFIF file with image-specific Huffman
// tables. Errors are raised as JpegError (number and message); the class catches nothing.
#pragma once

#include "imaging/DrawingSurface.h"
#include "imaging/JpegError.h"
#include "imaging/JpegHuffman.h"
#include "imaging/JpegScan.h"
#include "imaging/JpegTables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class cJpeg {
public:
    // Quality 95, three components without subsampling, no comment.
    cJpeg();

    // Sets the quality (1..100) and rebuilds quantization slots 0 and 1; other values are ignored.
    void Quality(int vData);
    int Quality() const { return quality_; }

    // Sampling factors 1..4 of Y, Cb, Cr; H2, V2, H3, V3 all 0 give a grey image. Throws
    // "Invalid Sampling Value" (components unchanged). Set before SampleHDC.
    void SetSamplingFrequencies(int H1, int V1, int H2, int V2, int H3, int V3);

    // Converts, transforms and quantizes the rectangle (lSrcLeft, lSrcTop, lWidth, lHeight) of
    // `lHDC` with the current quality and sampling factors. 0 on success; 1 when there is no
    // surface, the size is empty or the memory cannot be had.
    int SampleHDC(const DrawingSurface* lHDC, int lWidth, int lHeight, int lSrcLeft = 0, int lSrcTop = 0);

    // The comment written as COM segment (UTF-8; written in Windows-1252). Throws "Illegal
    // Comment Length" for more than 65533 characters (comment unchanged).
    void Comment(const std::string& Value);
    const std::string& Comment() const { return comment_; }

    // Writes the JPEG file in one piece: 0 when written, 1 when FileName is empty, 2 when a file
    // of that name exists (nothing touched then). Throws the encoder's errors; a failing file
    // write throws JpegError 75 or 57 and leaves no file.
    int SaveFile(const std::string& FileName);

    // The stream SaveFile writes, in memory.
    std::vector<std::uint8_t> EncodeToMemory();

private:
    struct HuffmanTables {
        std::array<jpeg::HuffSlot, 4> dc{};
        std::array<jpeg::HuffSlot, 4> ac{};
        std::int64_t estimatedBytes = 0;  // of the entropy-coded data
    };

    void SampleComponents(const DrawingSurface& surface, int left, int top);
    HuffmanTables BuildHuffmanTables(const std::vector<jpeg::Scan>& scans, const jpeg::FrameGeometry& frame) const;

    int quality_ = 0;
    std::string comment_;
    std::string commentBytes_;  // comment_ in Windows-1252
    int precision_ = 0;
    int width_ = 0;
    int height_ = 0;
    int hmax_ = 1;
    int vmax_ = 1;
    std::vector<jpeg::ComponentSpec> components_;
    std::array<jpeg::QuantSlot, 4> quant_{};
};
