#include "common/Registry.h"

#include "common/Files.h"
#include "common/Ini.h"

#include <cstdlib>

namespace {

std::string& StoreOverride()
{
    static std::string file;
    return file;
}

std::string SectionName(RegRoot root, const std::string& keyPath)
{
    static constexpr const char* kRoots[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
    return std::string(kRoots[static_cast<int>(root)]) + "\\" + keyPath;
}

// The default value of a key has no name; the store spells it "@".
std::string ValueKey(const std::string& valueName) { return valueName.empty() ? "@" : valueName; }

const std::string kMissing(256, ' ');

} // namespace

std::string UserConfigFolder()
{
    std::string folder;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        folder = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = std::string(home) + "/.config";
    } else if (const char* appData = std::getenv("APPDATA"); appData && *appData) {
        folder = appData;
    }
    return AddBackslash(folder);
}

std::string RegistryStoreFile()
{
    if (!StoreOverride().empty()) return StoreOverride();
    return UserConfigFolder() + "Pinwall/registry.ini";
}

void SetRegistryStoreFile(const std::string& file) { StoreOverride() = file; }

std::string RegReadString(RegRoot root, const std::string& keyPath, const std::string& valueName)
{
    // The store quotes every value, so leading and trailing blanks survive the INI's trimming;
    // an empty stored value reads back as missing, as an empty buffer does on Windows.
    return ReadIni(SectionName(root, keyPath), ValueKey(valueName), RegistryStoreFile(), kMissing);
}

std::string RegReadStringTrimmed(RegRoot root, const std::string& keyPath, const std::string& valueName)
{
    const std::string value = RegReadString(root, keyPath, valueName);
    const std::size_t first = value.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

void RegWriteString(RegRoot root, const std::string& keyPath, const std::string& valueName, const std::string& value)
{
    std::string folder = ParentFolder(RegistryStoreFile());
    MakePath(folder);
    WriteIni(SectionName(root, keyPath), ValueKey(valueName), "\"" + value + "\"", RegistryStoreFile());
}
