#include "document/PageDecorations.h"

#include "common/FileLookup.h"
#include "common/Ini.h"
#include "document/PageFile.h"

namespace {

const char* const kMain = "Main";

std::string EntryKey(std::size_t place)
{
    return "Entry" + std::to_string(place);
}

const char* Flag(bool on)
{
    return on ? "1" : "0";
}

void AppendChosenList(std::vector<IniKeyValue>& keys, const std::string& section,
                      const std::vector<std::string>& names)
{
    keys.push_back({section, "Count", std::to_string(names.size())});
    for (std::size_t i = 0; i < names.size(); ++i)
        keys.push_back({section, EntryKey(i + 1), names[i]});
}

} // namespace

std::vector<std::string> ReadChosenList(const PageState& page, const std::string& section)
{
    const int count = ParseCount(ReadIni(section, "Count", page.PageFile, "0"));
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i)
        names.push_back(ReadIni(section, EntryKey(static_cast<std::size_t>(i)), page.PageFile, ""));
    return names;
}

bool StoreChosenList(const PageState& page, const std::string& section, const std::vector<std::string>& names)
{
    std::vector<IniKeyValue> keys;
    AppendChosenList(keys, section, names);
    return WriteIniKeys(keys, page.PageFile);
}

std::string FormName(const std::string& fileName)
{
    return fileName.size() > 5 ? fileName.substr(0, fileName.size() - 5) : std::string();
}

int FindPictureRow(const std::vector<std::string>& files, const std::string& name)
{
    return FindNameAnyCase(files, name);
}

bool StoreUseWall(PageState& page, bool use)
{
    page.UseWall = use;
    return WriteIni(kMain, "UseWall", Flag(use), page.PageFile);
}

bool StoreHeaderLine(PageState& page, const std::vector<std::string>& forms, const std::string& wallFile,
                     bool useWall)
{
    page.WallFile = wallFile;
    page.UseWall = useWall;
    std::vector<IniKeyValue> keys;
    AppendChosenList(keys, kHeaderSection, forms);
    keys.push_back({kMain, "WallFile", wallFile});
    keys.push_back({kMain, "UseWall", Flag(useWall)});
    return WriteIniKeys(keys, page.PageFile);
}

bool StoreBackground(PageState& page, const std::string& backFile, bool useBack)
{
    page.BackFile = backFile;
    page.UseBack = useBack;
    return WriteIniKeys({{kMain, "BackFile", backFile}, {kMain, "UseBack", Flag(useBack)}}, page.PageFile);
}
