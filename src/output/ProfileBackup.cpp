#include "output/ProfileBackup.h"

#include "common/Ini.h"
#include "output/StartPage.h"

std::string ProfileBackupKey(const std::string& browserKey, const std::string& folder)
{
    std::string path = folder;
    if (path.size() > 1 && path.back() == '/') path.pop_back();
    return PercentEncodeBeyondCp1252(browserKey + "|" + path);
}

std::optional<OrderedJson> ReadProfileBackup(const std::string& settingsFile, const std::string& key)
{
    const std::string value = ReadIni(kBackupProfilesSection, key, settingsFile);
    if (value.empty()) return std::nullopt;
    std::optional<OrderedJson> settings = ParseJson(value);
    if (!settings || !settings->is_object()) return std::nullopt;
    return settings;
}

std::optional<std::string> ProfileBackupValue(const OrderedJson& settings)
{
    std::string value = PercentEncodeBeyondCp1252(CompactJson(settings));
    if (value.size() > kIniMaxValueLength) return std::nullopt;
    return value;
}
