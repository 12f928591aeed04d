// The numbered run-time errors that the JPEG encoder raises to its caller: the one
// core unit that reports failure by throwing.
#pragma once

#include <stdexcept>
#include <string>

class JpegError : public std::runtime_error {
public:
    JpegError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}

    // The run-time error number: 1 for the encoder's own errors, otherwise the platform's number.
    int Number() const noexcept { return number_; }

private:
    int number_;
};

namespace jpeg {

// The messages exactly as the callers know them; all carry number 1.
inline constexpr const char* kInvalidSamplingValue = "Invalid Sampling Value";
inline constexpr const char* kBadQuantizationTable = "Bad Quantization Table";
inline constexpr const char* kIllegalCommentLength = "Illegal Comment Length";
inline constexpr const char* kIllegalQuantPrecision = "Illegal precision in Quantisation Table";
inline constexpr const char* kBadHuffmanTable = "Bad Huffman Table";

[[noreturn]] inline void RaiseEncoderError(const char* message) { throw JpegError(1, message); }

} // namespace jpeg
