// The keys of an INI file as read at one moment, answering as ReadIni does. ReadIni keeps one per
// file and checks the file before each use; a run that reads thousands of keys of a file that
// nothing changes meanwhile (the generator) holds one of its own and skips the checks.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

class IniSnapshot {
public:
    // A file that cannot be read answers every key with its default.
    explicit IniSnapshot(const std::string& file);
    // The keys of bytes already read (Windows-1252, as on disk).
    struct FromBytes {};
    IniSnapshot(FromBytes, std::string bytes);
    // The table points into the bytes.
    IniSnapshot(const IniSnapshot&) = delete;
    IniSnapshot& operator=(const IniSnapshot&) = delete;

    std::string Read(std::string_view section, std::string_view key, std::string_view defaultValue = "") const;

private:
    void Index();

    std::string bytes_;  // Windows-1252, as on disk
    // Folded section name -> folded key -> raw value; only the first section and key of a name.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string_view>> sections_;
};
