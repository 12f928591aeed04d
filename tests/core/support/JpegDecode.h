// Reading what the JPEG encoder writes: decoding with libjpeg (an independent decoder), listing
// the marker segments of a stream, and the PSNR of a decoded picture against its source.
#pragma once

#include "JpegTestSurface.h"

#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>  // before jpeglib.h, which needs FILE
#include <jpeglib.h>
#include <string>
#include <vector>

struct DecodedJpeg {
    bool ok = false;
    std::string error;
    int width = 0;
    int height = 0;
    int components = 0;                 // 1 grey, 3 colour (R, G, B)
    std::vector<std::uint8_t> pixels;   // width * height * components
};

namespace jpegtest_detail {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};
inline void OnError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}
inline void OnWarning(j_common_ptr info, int level)
{
    // Corrupt-data warnings (level -1) count as failures: the encoder must write clean streams.
    if (level < 0) {
        auto* err = reinterpret_cast<ErrorManager*>(info->err);
        (*info->err->format_message)(info, err->message);
        std::longjmp(err->jump, 1);
    }
}
} // namespace jpegtest_detail

inline DecodedJpeg DecodeJpeg(const std::vector<std::uint8_t>& stream)
{
    DecodedJpeg result;
    jpeg_decompress_struct info{};
    jpegtest_detail::ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = jpegtest_detail::OnError;
    err.base.emit_message = jpegtest_detail::OnWarning;
    std::vector<std::uint8_t>& pixels = result.pixels;
    if (setjmp(err.jump)) {
        result.error = err.message;
        jpeg_destroy_decompress(&info);
        result.ok = false;
        return result;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, stream.data(), static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&info, TRUE);
    info.dct_method = JDCT_FLOAT;
    jpeg_start_decompress(&info);
    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    result.components = info.output_components;
    pixels.resize(static_cast<std::size_t>(result.width) * result.height * result.components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + static_cast<std::size_t>(info.output_scanline) * result.width * result.components;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    result.ok = true;
    return result;
}

// PSNR in dB over R, G and B of every pixel; a grey picture is compared with the source's
// luminance. 99 for identical pictures.
inline double Psnr(const JpegTestSurface& source, const DecodedJpeg& decoded)
{
    double sum = 0;
    long n = 0;
    const int channels = decoded.components;
    for (int y = 0; y < decoded.height; ++y) {
        const std::uint8_t* s = source.Pixel(0, y);
        const std::uint8_t* d = decoded.pixels.data() + static_cast<std::size_t>(y) * decoded.width * channels;
        long rowSum = 0;
        for (int x = 0; x < decoded.width; ++x, s += 3, d += channels) {
            if (channels == 3) {
                const int er = s[2] - d[0], eg = s[1] - d[1], eb = s[0] - d[2];
                rowSum += er * er + eg * eg + eb * eb;
            } else {
                const double e = 0.299 * s[2] + 0.587 * s[1] + 0.114 * s[0] - d[0];
                sum += e * e;
            }
        }
        sum += static_cast<double>(rowSum);
        n += static_cast<long>(decoded.width) * channels;
    }
    if (sum == 0)
        return 99.0;
    return 10.0 * std::log10(255.0 * 255.0 / (sum / static_cast<double>(n)));
}

// One marker segment or the entropy-coded data of a scan.
struct JpegSegment {
    int marker = 0;           // 0xD8 for FF D8 ...; 0 for entropy-coded data
    std::size_t offset = 0;   // of the FF (of the first data byte for entropy-coded data)
    std::size_t length = 0;   // the segment's length field; bytes of entropy-coded data
};

// Splits a stream into its segments; entropy-coded data runs to the next marker that is not a
// stuffed FF 00.
inline std::vector<JpegSegment> ListSegments(const std::vector<std::uint8_t>& s)
{
    std::vector<JpegSegment> list;
    std::size_t i = 0;
    while (i + 1 < s.size()) {
        if (s[i] != 0xFF)
            break;
        const int marker = s[i + 1];
        if (marker == 0xD8 || marker == 0xD9) {
            list.push_back({marker, i, 0});
            i += 2;
            continue;
        }
        if (i + 3 >= s.size())
            break;
        const std::size_t length = (static_cast<std::size_t>(s[i + 2]) << 8) | s[i + 3];
        list.push_back({marker, i, length});
        i += 2 + length;
        if (marker == 0xDA) {
            const std::size_t start = i;
            while (i + 1 < s.size() && !(s[i] == 0xFF && s[i + 1] != 0x00))
                i += (s[i] == 0xFF) ? 2 : 1;
            list.push_back({0, start, i - start});
        }
    }
    return list;
}

inline std::vector<int> MarkersOf(const std::vector<JpegSegment>& segments)
{
    std::vector<int> markers;
    for (const JpegSegment& s : segments)
        markers.push_back(s.marker);
    return markers;
}
