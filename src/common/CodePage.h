// Windows-1252, the code page of the system's files: UTF-8 text in memory, 1252 bytes on disk.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Bytes in Windows-1252 to UTF-8. The five bytes that 1252 leaves undefined map to the C1
// control characters of the same number, as Windows does.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character that 1252 cannot hold, and any malformed UTF-8 sequence,
// becomes "?".
std::string Utf8ToCp1252(std::string_view text);

// The byte length of the UTF-8 character at `pos`, as its lead byte gives it, cut to the bytes
// that are left; a stray byte counts as one character. For walking text character by character.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t pos);

// True when the UTF-8 text comes back unchanged from Windows-1252: every character is one of
// 1252's and the sequences are well formed.
bool FitsCp1252(std::string_view text);
