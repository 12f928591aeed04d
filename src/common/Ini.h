// INI files as the Windows profile functions read and write them, byte for byte, in
// Windows-1252 on disk and UTF-8 in memory. Reads come from a parsed copy that is checked
// against the file's size and time on every call; writes reach the file at once.
#pragma once

#include "common/FileIo.h"

#include <string>
#include <string_view>
#include <vector>

// The longest value a read returns; longer values are cut.
inline constexpr std::size_t kIniMaxValueLength = 2047;

// The value of `key` in the first `section` of that name (both without regard to case); the
// default when the file, section or key is missing or the value is empty.
std::string ReadIni(std::string_view section, std::string_view key, const std::string& file,
                    std::string_view defaultValue = "");

// Writes `value` under `section` and `key`, creating key, section and file as needed.
// Returns false when the file could not be written.
bool WriteIni(std::string_view section, std::string_view key, std::string_view value, const std::string& file);

// One key to write with WriteIniKeys.
struct IniKeyValue {
    std::string section;
    std::string key;
    std::string value;
};

// Writes the keys in order, with the same result as one WriteIni after the other, but reads
// and replaces the file only once.
// `sync` as for WriteFileAtomically.
bool WriteIniKeys(const std::vector<IniKeyValue>& keys, const std::string& file, FolderSync sync = FolderSync::Now);

// Removes every section whose header line begins with "[section]", with its lines.
void DeleteIniSection(std::string section, const std::string& file);
