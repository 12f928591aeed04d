#include "common/NameRules.h"

#include "common/CodePage.h"

#include <cstddef>
#include <string_view>

// The text is UTF-8. Every character these rules look at is either ASCII, whose bytes never occur
// inside a multi-byte sequence, or a two-byte sequence with the lead byte 0xC3 or 0xC5, which is
// never a continuation byte. So the rules can work on bytes without decoding the text.

namespace {

constexpr unsigned char kLead00C0 = 0xC3; // U+00C0..U+00FF
constexpr unsigned char kLead0140 = 0xC5; // U+0140..U+017F

unsigned char ByteAt(const std::string& text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]);
}

// The two-letter form of an umlaut or ß whose second UTF-8 byte (after 0xC3) is given.
std::string_view UmlautReplacement(unsigned char second)
{
    switch (second) {
    case 0xA4: return "ae"; // ä
    case 0x84: return "AE"; // Ä
    case 0xB6: return "oe"; // ö
    case 0x96: return "OE"; // Ö
    case 0xBC: return "ue"; // ü
    case 0x9C: return "UE"; // Ü
    case 0x9F: return "ss"; // ß
    default: return {};
    }
}

bool IsPunctuationToRemove(char c)
{
    return c == '\'' || c == ',' || c == '.' || c == '!' || c == ':' || c == '/';
}

bool IsDigit(int code) { return code >= '0' && code <= '9'; }
bool IsUpper(int code) { return code >= 'A' && code <= 'Z'; }
bool IsLower(int code) { return code >= 'a' && code <= 'z'; }

// Mode 1: the codes below 48 that may stand in a name, and the ranges : ; < = > and [ \ ] ^.
bool NameKeyDropped(int code)
{
    if (code < 48)
        return !(code == ' ' || code == '!' || code == '&' || code == '\'' || code == '+' || code == '-');
    return (code >= 58 && code <= 62) || (code >= 91 && code <= 94);
}

} // namespace

std::string SpacesToUnderscores(std::string& text)
{
    for (char& c : text) {
        if (c == ' ')
            c = '_';
    }
    return text;
}

std::string SpacesToPercent20(std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ')
            result += "%20";
        else
            result += c;
    }
    text = result;
    return result;
}

std::string RemovePunctuation(std::string& text)
{
    std::erase_if(text, IsPunctuationToRemove);
    return text;
}

std::string ReplaceUmlauts(std::string& text)
{
    // The replacements are plain ASCII and cannot form a new umlaut, so the one pass leaves
    // nothing for a further pass to find.
    std::string result;
    result.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (ByteAt(text, i) == kLead00C0 && i + 1 < text.size()) {
            const std::string_view replacement = UmlautReplacement(ByteAt(text, i + 1));
            if (!replacement.empty()) {
                result += replacement;
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    text = result;
    return result;
}

std::string LowerCaseCp1252(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char b = ByteAt(text, i);
        if (IsUpper(b)) {
            result += static_cast<char>(b + ('a' - 'A'));
            continue;
        }
        if ((b == kLead00C0 || b == kLead0140) && i + 1 < text.size()) {
            const unsigned char second = ByteAt(text, i + 1);
            if (b == kLead00C0 && second >= 0x80 && second <= 0x9E && second != 0x97) {
                // À..Þ without ×: the small letter is 0x20 further on, in the same block.
                result += static_cast<char>(b);
                result += static_cast<char>(second + 0x20);
                ++i;
                continue;
            }
            if (b == kLead0140 && (second == 0xA0 || second == 0x92 || second == 0xBD)) {
                // Š Œ Ž: the small letter follows the capital.
                result += static_cast<char>(b);
                result += static_cast<char>(second + 1);
                ++i;
                continue;
            }
            if (b == kLead0140 && second == 0xB8) {
                result += "\xC3\xBF"; // Ÿ -> ÿ
                ++i;
                continue;
            }
        }
        result += static_cast<char>(b);
    }
    return result;
}

std::string EntryFileStem(const std::string& name)
{
    std::string stem = name;
    SpacesToUnderscores(stem);
    stem = LowerCaseCp1252(stem);
    ReplaceUmlauts(stem);
    RemovePunctuation(stem);
    return stem;
}

std::string EntrySectionName(const std::string& name)
{
    std::string section = name;
    return ReplaceUmlauts(section);
}

std::string FilterPastedText(const std::string& text, int mode)
{
    std::string kept;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8CharacterLength(text, i);
        const std::string character = text.substr(i, length);
        i += length;
        const std::string ansi = Utf8ToCp1252(character);
        if (ansi.size() == 1 && ansi != "?") {
            int code = static_cast<unsigned char>(ansi[0]);
            if (code < 32 || FilterKey(code, mode) == 0) continue;
        }
        kept += character;
    }
    return kept;
}

int FilterKey(int& keyCode, int mode)
{
    const int code = keyCode;
    if (code == kKeyEnter || code == kKeyCtrlC || code == kKeyCtrlV || code == kKeyBackspace)
        return keyCode;

    switch (mode) {
    case 1:
        if (NameKeyDropped(code))
            keyCode = 0;
        break;
    case 2:
        if (!(IsDigit(code) || code == '.' || code == ','))
            keyCode = 0;
        break;
    case 3:
        if (!(IsUpper(code) || IsLower(code)))
            keyCode = 0;
        break;
    case 4:
        if (code >= 'a' && code <= 'f')
            keyCode = code - ('a' - 'A');
        else if (!(IsDigit(code) || (code >= 'A' && code <= 'F')))
            keyCode = 0;
        break;
    case 5:
        if (IsLower(code))
            keyCode = code - ('a' - 'A');
        break;
    case 6:
        if (IsUpper(code))
            keyCode = code + ('a' - 'A');
        break;
    default:
        break;
    }
    return keyCode;
}
