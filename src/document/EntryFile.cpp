#include "document/EntryFile.h"

#include "common/AppPaths.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/NameRules.h"

std::string EntryFilePath(const AppPaths& paths, const std::string& displayName)
{
    return paths.LibraryFolder + EntryFileStem(displayName) + ".web";
}

std::string EntryLogoName(const std::string& displayName) { return EntryFileStem(displayName) + ".jpg"; }

std::string EntryLogoPath(const AppPaths& paths, const std::string& displayName)
{
    return paths.LibraryFolder + EntryLogoName(displayName);
}

bool EntryExists(const AppPaths& paths, const std::string& displayName)
{
    const std::string stem = EntryFileStem(displayName);
    // A stem with a separator would name a file outside the library.
    return IsPlainFileName(stem + ".web") && FileExists(paths.LibraryFolder + stem + ".web");
}

std::string ReadEntryKey(const std::string& entryFile, const std::string& key, const std::string& def)
{
    return ReadIni(kEntrySection, key, entryFile, def);
}

bool WriteEntryKey(const std::string& entryFile, const std::string& key, const std::string& value)
{
    return WriteIni(kEntrySection, key, value, entryFile);
}

std::string EntryLinkRule(const std::string& typedAddress)
{
    return typedAddress.starts_with("http") ? typedAddress : "http://" + typedAddress;
}

std::string EntryInfoRule(const std::string& typedInfo, const std::string& displayName)
{
    return (typedInfo.empty() || typedInfo == kInfoPlaceholder) ? displayName : typedInfo;
}

bool CreateEntryFile(const AppPaths& paths, const std::string& displayName, const std::string& typedAddress,
                     const std::string& typedInfo)
{
    const std::string stem = EntryFileStem(displayName);
    if (!IsPlainFileName(stem + ".web")) return false;
    // Written key by key in this order, as every reader of the library expects the same layout.
    return WriteIniKeys({{kEntrySection, "Entry", displayName},
                         {kEntrySection, "Link", EntryLinkRule(typedAddress)},
                         {kEntrySection, "Image", stem + ".jpg"},
                         {kEntrySection, "Info", EntryInfoRule(typedInfo, displayName)}},
                        paths.LibraryFolder + stem + ".web");
}
