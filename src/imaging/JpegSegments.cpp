#include "imaging/JpegSegments.h"

#include "imaging/JpegError.h"

namespace jpeg {
namespace {

void PutMarker(JpegOutputBuffer& out, std::uint8_t marker)
{
    out.PutByte(0xFF);
    out.PutByte(marker);
}

} // namespace

void EmitSoi(JpegOutputBuffer& out)
{
    PutMarker(out, 0xD8);
}

void EmitApp0(JpegOutputBuffer& out)
{
    static constexpr std::uint8_t kApp0[18] = {
        0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00,
        0x01, 0x01,          // version 1.01
        0x00,                // no units
        0x00, 0x01, 0x00, 0x01,  // density 1 x 1
        0x00, 0x00,          // no thumbnail
    };
    out.PutBytes(kApp0, sizeof kApp0);
}

void EmitCom(JpegOutputBuffer& out, std::string_view text)
{
    PutMarker(out, 0xFE);
    out.PutWord(static_cast<unsigned>(text.size() + 2));
    out.PutBytes(text.data(), text.size());
}

void EmitDqt(JpegOutputBuffer& out, int tableIndex, const QuantValues& values, int precision)
{
    bool wide = false;
    for (std::uint16_t q : values) {
        if (q > 255) {
            if (precision != 12)
                RaiseEncoderError(kIllegalQuantPrecision);
            wide = true;
        }
    }
    PutMarker(out, 0xDB);
    out.PutWord(wide ? 2 + 1 + 128 : 2 + 1 + 64);
    out.PutByte(static_cast<std::uint8_t>((wide ? 0x10 : 0x00) | tableIndex));
    for (std::uint16_t q : values) {
        if (wide)
            out.PutWord(q);
        else
            out.PutByte(static_cast<std::uint8_t>(q));
    }
}

void EmitSof0(JpegOutputBuffer& out, int width, int height, const std::vector<ComponentSpec>& components)
{
    if (width < 0 || width > 0xFFFF || height < 0 || height > 0xFFFF)
        throw JpegError(6, "Overflow");
    PutMarker(out, 0xC0);
    out.PutWord(static_cast<unsigned>(8 + 3 * components.size()));
    out.PutByte(8);
    out.PutWord(static_cast<unsigned>(height));
    out.PutWord(static_cast<unsigned>(width));
    out.PutByte(static_cast<std::uint8_t>(components.size()));
    for (const ComponentSpec& c : components) {
        out.PutByte(static_cast<std::uint8_t>(c.identifier));
        out.PutByte(static_cast<std::uint8_t>(c.h * 16 + c.v));
        out.PutByte(static_cast<std::uint8_t>(c.quantTable));
    }
}

void EmitDht(JpegOutputBuffer& out, int tableIndex, bool acTable, const HuffSlot& table)
{
    int symbols = 0;
    for (std::uint8_t n : table.bits)
        symbols += n;
    PutMarker(out, 0xC4);
    out.PutWord(static_cast<unsigned>(2 + 1 + 16 + symbols));
    out.PutByte(static_cast<std::uint8_t>(tableIndex + (acTable ? 16 : 0)));
    out.PutBytes(table.bits.data(), table.bits.size());
    out.PutBytes(table.huffval.data(), static_cast<std::size_t>(symbols));
}

void EmitSos(JpegOutputBuffer& out, const Scan& scan, const std::vector<ComponentSpec>& components)
{
    PutMarker(out, 0xDA);
    out.PutWord(static_cast<unsigned>(6 + 2 * scan.size()));
    out.PutByte(static_cast<std::uint8_t>(scan.size()));
    for (int index : scan) {
        const int selector = TableSelector(index);
        out.PutByte(static_cast<std::uint8_t>(components[index].identifier));
        out.PutByte(static_cast<std::uint8_t>(selector * 16 + selector));
    }
    out.PutByte(0);   // Ss
    out.PutByte(63);  // Se
    out.PutByte(0);   // Ah, Al
}

void EmitEoi(JpegOutputBuffer& out)
{
    PutMarker(out, 0xD9);
}

} // namespace jpeg
