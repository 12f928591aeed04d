// The settings each browser profile had before its start page was first switched, kept in
// section BackupProfiles of the settings file: key «browser key»|«profile folder», value the
// settings as compact JSON, a setting that was absent left out.
#pragma once

#include "common/JsonText.h"

#include <optional>
#include <string>

inline constexpr const char* kBackupProfilesSection = "BackupProfiles";

// The key of a profile's backup: the folder as found, without its final "/".
std::string ProfileBackupKey(const std::string& browserKey, const std::string& folder);

// The kept settings; nullopt when none are kept or the value is no JSON object.
std::optional<OrderedJson> ReadProfileBackup(const std::string& settingsFile, const std::string& key);

// The value to keep, percent-encoded beyond Windows-1252; nullopt when it is longer than an
// INI value can be.
std::optional<std::string> ProfileBackupValue(const OrderedJson& settings);
