// The output side of the JPEG encoder: the in-memory byte sink that the stream is
// assembled in, and the bit writer of the entropy-coded data (FF 00 stuffing, 1-bit padding).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace jpeg {

// The stream being assembled. It starts with the capacity the encoder estimates and grows when
// that is too small, instead of failing with error 9.
class JpegOutputBuffer {
public:
    explicit JpegOutputBuffer(std::size_t capacity) : data_(capacity) {}

    void PutByte(std::uint8_t b)
    {
        EnsureSpace(1);
        data_[pos_++] = b;
    }
    void PutWord(unsigned w)  // big-endian 16-bit
    {
        EnsureSpace(2);
        data_[pos_++] = static_cast<std::uint8_t>(w >> 8);
        data_[pos_++] = static_cast<std::uint8_t>(w);
    }
    void PutBytes(const void* bytes, std::size_t count)
    {
        EnsureSpace(count);
        const auto* p = static_cast<const std::uint8_t*>(bytes);
        for (std::size_t i = 0; i < count; ++i)
            data_[pos_++] = p[i];
    }

    // Room for `count` more bytes at Cursor(); Advance() commits what was written there.
    void EnsureSpace(std::size_t count)
    {
        if (pos_ + count > data_.size())
            data_.resize(pos_ + count > 2 * data_.size() ? pos_ + count : 2 * data_.size());
    }
    std::uint8_t* Cursor() { return data_.data() + pos_; }
    void Advance(std::size_t count) { pos_ += count; }

    std::size_t Size() const { return pos_; }
    const std::uint8_t* Data() const { return data_.data(); }

    // The bytes written, cut to size; the buffer is empty afterwards.
    std::vector<std::uint8_t> Take()
    {
        data_.resize(pos_);
        pos_ = 0;
        return std::move(data_);
    }

private:
    std::vector<std::uint8_t> data_;
    std::size_t pos_ = 0;
};

// Writes bits most significant first. A completed byte FF is followed by a stuffed 00; Flush()
// completes a partial byte with 1-bits. One writer serves one scan. A copy of the writer in a
// local variable lets the compiler keep the pending bits in registers; copy it back afterwards.
class JpegBitWriter {
public:
    explicit JpegBitWriter(JpegOutputBuffer& out) : out_(&out) {}

    // Appends `count` bits (count <= 32); the bits above them must be 0.
    void Put(std::uint32_t bits, int count)
    {
        acc_ = (acc_ << count) | bits;
        pending_ += count;
        if (pending_ >= 32) {
            pending_ -= 32;
            EmitWord(static_cast<std::uint32_t>(acc_ >> pending_));
        }
    }

    void Flush()
    {
        if (pending_ % 8 != 0) {
            const int pad = 8 - pending_ % 8;
            Put((1u << pad) - 1, pad);
        }
        while (pending_ >= 8) {
            pending_ -= 8;
            EmitByte(static_cast<std::uint8_t>(acc_ >> pending_));
        }
        acc_ = 0;
        pending_ = 0;
    }

private:
    void EmitByte(std::uint8_t b)
    {
        out_->EnsureSpace(2);
        std::uint8_t* p = out_->Cursor();
        p[0] = b;
        p[1] = 0;
        out_->Advance(b == 0xFF ? 2 : 1);
    }

    void EmitWord(std::uint32_t w)
    {
        const std::uint32_t inverted = ~w;
        if (((inverted - 0x01010101u) & ~inverted & 0x80808080u) == 0) {  // no byte is FF
            out_->EnsureSpace(4);
            std::uint8_t* p = out_->Cursor();
            p[0] = static_cast<std::uint8_t>(w >> 24);
            p[1] = static_cast<std::uint8_t>(w >> 16);
            p[2] = static_cast<std::uint8_t>(w >> 8);
            p[3] = static_cast<std::uint8_t>(w);
            out_->Advance(4);
        } else {
            EmitByte(static_cast<std::uint8_t>(w >> 24));
            EmitByte(static_cast<std::uint8_t>(w >> 16));
            EmitByte(static_cast<std::uint8_t>(w >> 8));
            EmitByte(static_cast<std::uint8_t>(w));
        }
    }

    JpegOutputBuffer* out_;
    std::uint64_t acc_ = 0;   // pending bits in the low `pending_` bits
    int pending_ = 0;         // always below 32 between calls
};

} // namespace jpeg
