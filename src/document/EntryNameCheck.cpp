#include "document/EntryNameCheck.h"

#include "common/CodePage.h"
#include "common/Files.h"
#include "common/NameRules.h"

namespace {

// A letter or digit of Windows-1252: ASCII, ƒ Š Œ Ž š œ ž Ÿ ª µ º and À..ÿ without × and ÷.
bool IsLetterOrDigit1252(unsigned char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    switch (c) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
    case 0xAA: case 0xB5: case 0xBA:
        return true;
    default:
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

// A character 1252 cannot hold comes back as "?"; INI reads trim control characters.
bool Storable(const std::string& text)
{
    if (!FitsCp1252(text)) return false;
    // Control characters are single bytes, the same in UTF-8 and in 1252.
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127) return false;
    }
    return text.empty() || (text.front() != ' ' && text.back() != ' ');
}

} // namespace

bool IsUsableEntryStem(const std::string& stem)
{
    if (!IsPlainFileName(stem + ".web")) return false;
    for (std::size_t i = 0; i < stem.size();) {
        const std::size_t length = Utf8CharacterLength(stem, i);
        const std::string character = stem.substr(i, length);
        const std::string byte = Utf8ToCp1252(character);
        // A character beyond 1252 is no punctuation of ours; the code page check names it.
        if (byte == "?" && character != "?") return true;
        if (byte.size() == 1 && IsLetterOrDigit1252(static_cast<unsigned char>(byte[0]))) return true;
        i += length;
    }
    return false;
}

EntryNameProblem FindEntryNameProblem(const std::string& name)
{
    if (!Storable(name)) return EntryNameProblem::NotStorable;
    if (!IsUsableEntryStem(EntryFileStem(name))) return EntryNameProblem::NoLetterOrDigit;
    return EntryNameProblem::None;
}

EntryNameProblem FindEditedNameProblem(const std::string& name)
{
    if (Storable(name) && name.find_first_of("/\\") != std::string::npos) return EntryNameProblem::PathSeparator;
    return FindEntryNameProblem(name);
}
