#include "common/IniLines.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

unsigned char FoldByte(unsigned char c)
{
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
    }
}

} // namespace

std::vector<IniLine> ScanIniLines(std::string_view text)
{
    std::vector<IniLine> lines;
    lines.reserve(text.size() / 16 + 1);
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        IniLine line;
        line.begin = pos;
        // A plain loop: find_first_of tests every byte against the set with a call of its own.
        std::size_t eol = pos;
        while (eol < text.size() && text[eol] != '\r' && text[eol] != '\n') ++eol;
        line.contentEnd = eol;
        if (eol < text.size()) {
            line.end = eol + 1;
            if (text[eol] == '\r' && line.end < text.size() && text[line.end] == '\n') ++line.end;
        } else {
            line.end = eol;
        }
        pos = line.end;

        const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
        const std::string_view trimmed = Trim(content);
        if (trimmed.empty()) {
            line.kind = IniLineKind::Blank;
        } else if (trimmed.front() == ';') {
            line.kind = IniLineKind::Comment;
        } else if (trimmed.front() == '[') {
            line.kind = IniLineKind::Section;
            std::string_view name = trimmed.substr(1);
            name = name.substr(0, name.find(']'));
            line.name = Trim(name);
            inSection = true;
        } else if (!inSection) {
            line.kind = IniLineKind::Other;
        } else {
            line.kind = IniLineKind::Key;
            const std::size_t eq = content.find('=');
            if (eq == std::string_view::npos) {
                line.name = trimmed;
                line.valueBegin = line.contentEnd;
            } else {
                line.hasEquals = true;
                line.name = Trim(content.substr(0, eq));
                std::size_t v = eq + 1;
                while (v < content.size() && IsBlank(content[v])) ++v;
                line.valueBegin = line.begin + v;
                line.value = Trim(content.substr(v));
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::string_view TrimIniName(std::string_view name)
{
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

std::string_view UnquoteIniValue(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string IniFoldCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    return out;
}

bool IniNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldByte(static_cast<unsigned char>(a[i])) != FoldByte(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
