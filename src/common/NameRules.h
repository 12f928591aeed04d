// Name rules: how a user's name becomes a file stem, a section name or part of an address, and the
// keystroke filter of the name fields. Both programs must give the same names, step for step.
#pragma once

#include <string>

// Every space (and nothing else) becomes "_". In place; also returns the result.
std::string SpacesToUnderscores(std::string& text);

// Every space becomes "%20". In place; also returns the result.
std::string SpacesToPercent20(std::string& text);

// Removes every ' , . ! : / and nothing else. In place; also returns the result.
std::string RemovePunctuation(std::string& text);

// ä ö ü Ä Ö Ü ß become ae oe ue AE OE UE ss. In place; also returns the result.
std::string ReplaceUmlauts(std::string& text);

// Lower-cases as Windows-1252 does: A-Z, the Latin-1 capitals À-Þ (not ×) and Š Œ Ž Ÿ.
// Every other character, ß included, and any malformed UTF-8 byte stays as it is.
std::string LowerCaseCp1252(const std::string& text);

// The stem of an entry's library files (stem.web, stem.jpg): spaces to underscores, lower case,
// umlauts, punctuation, in this order. The name itself is left alone.
std::string EntryFileStem(const std::string& name);

// The name of an entry's section in a page file: the name with its umlauts replaced.
std::string EntrySectionName(const std::string& name);

// The keystroke filter of text fields, on ANSI character codes. Modes: 1 names, 2 numbers,
// 3 letters, 4 hexadecimal, 5 upper case, 6 lower case; any other mode lets every key pass.
// Enter, Backspace, Ctrl+C and Ctrl+V always pass. Sets keyCode to the code to use (0 drops
// the keystroke) and returns it.
int FilterKey(int& keyCode, int mode);

// Pasted text as typing it would have left it: every character of the UTF-8 text that FilterKey
// drops in `mode` is left out (control characters too); characters outside Windows-1252 stay.
std::string FilterPastedText(const std::string& text, int mode);

// The ANSI codes that FilterKey treats specially.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyCtrlC = 3;
inline constexpr int kKeyCtrlV = 22;
