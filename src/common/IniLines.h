// The line grammar of INI files as the Windows profile functions read them, shared by the
// reader (which builds a lookup table) and the writer (which edits single lines in place).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class IniLineKind { Blank, Comment, Section, Key, Other };

struct IniLine {
    std::size_t begin = 0;       // first byte of the line
    std::size_t contentEnd = 0;  // first byte of its line end (or of the next line when it has none)
    std::size_t end = 0;         // first byte of the next line
    IniLineKind kind = IniLineKind::Blank;
    std::string_view name;       // section name or key, trimmed (views into the scanned text)
    std::string_view value;      // raw trimmed value of a key line, quotes not yet removed
    std::size_t valueBegin = 0;  // where the value starts; for a key without "=" the content end
    bool hasEquals = false;
};

// Splits `text` into lines ending at CR LF, LF or CR and classifies each. Lines before the
// first section header come out as Other: no lookup may find them.
std::vector<IniLine> ScanIniLines(std::string_view text);

// The value as a reader sees it: one pair of matching outer quotes removed.
std::string_view UnquoteIniValue(std::string_view value);

// A section or key name as a caller passes it to a read or write: spaces around it are
// dropped, tabs are kept (the profile functions do the same).
std::string_view TrimIniName(std::string_view name);

// Upper-cases the letters of Windows-1252 text, as the profile functions compare names.
std::string IniFoldCase(std::string_view text);
bool IniNamesEqual(std::string_view a, std::string_view b);
