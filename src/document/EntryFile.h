// Entry files of the library ("Library/«stem».web", section [PinCard]) and their logos
// ("Library/«stem».jpg"), named from the display name by EntryFileStem.
#pragma once

#include <string>

struct AppPaths;

inline constexpr const char* kEntrySection = "PinCard";
inline constexpr const char* kInfoPlaceholder = "(optional)";

std::string EntryFilePath(const AppPaths& paths, const std::string& displayName);
std::string EntryLogoName(const std::string& displayName);
std::string EntryLogoPath(const AppPaths& paths, const std::string& displayName);
bool EntryExists(const AppPaths& paths, const std::string& displayName);

// One key of an entry file; the default when the key is missing or empty.
std::string ReadEntryKey(const std::string& entryFile, const std::string& key, const std::string& def = "");
bool WriteEntryKey(const std::string& entryFile, const std::string& key, const std::string& value);

// The address as stored: "http://" put in front unless it begins with "http" exactly.
std::string EntryLinkRule(const std::string& typedAddress);
// The info text as stored: the display name when the info is empty or still the placeholder.
std::string EntryInfoRule(const std::string& typedInfo, const std::string& displayName);

// Writes a new entry file with Entry, Link, Image and Info in this order, the address and info
// passed through their rules. False when the file could not be written.
bool CreateEntryFile(const AppPaths& paths, const std::string& displayName, const std::string& typedAddress,
                     const std::string& typedInfo);
