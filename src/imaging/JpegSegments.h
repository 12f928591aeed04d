// The marker segments of the JPEG/JFIF stream, one function each, byte for byte in the order
// the file takes them. Lengths are big-endian and include the two length bytes.
#pragma once

#include "imaging/JpegBitWriter.h"
#include "imaging/JpegHuffman.h"
#include "imaging/JpegScan.h"
#include "imaging/JpegTables.h"

#include <string_view>
#include <vector>

namespace jpeg {

void EmitSoi(JpegOutputBuffer& out);
// JFIF 1.01, no units, density 1 x 1, no thumbnail.
void EmitApp0(JpegOutputBuffer& out);
// `text`: one byte per character, in the ANSI code page.
void EmitCom(JpegOutputBuffer& out, std::string_view text);
// Throws "Illegal precision in Quantisation Table" for a value above 255 unless precision is 12.
void EmitDqt(JpegOutputBuffer& out, int tableIndex, const QuantValues& values, int precision);
// Throws JpegError 6 (overflow) when a dimension does not fit 16 bits.
void EmitSof0(JpegOutputBuffer& out, int width, int height, const std::vector<ComponentSpec>& components);
void EmitDht(JpegOutputBuffer& out, int tableIndex, bool acTable, const HuffSlot& table);
void EmitSos(JpegOutputBuffer& out, const Scan& scan, const std::vector<ComponentSpec>& components);
void EmitEoi(JpegOutputBuffer& out);

} // namespace jpeg
