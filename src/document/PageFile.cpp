#include "document/PageFile.h"

#include "common/AppPaths.h"
#include "common/FileLookup.h"
#include "common/Files.h"
#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/IniLines.h"
#include "common/NameRules.h"
#include "document/PageDecorations.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <optional>

namespace {

// More places than any page can show; a damaged Count beyond it must not stall the program.
constexpr int kMaxEntriesPerColumn = 10000;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool EqualsIgnoringCase(const std::string& a, const char* b)
{
    const std::string_view bv(b);
    if (a.size() != bv.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(bv[i])))
            return false;
    }
    return true;
}

// The number at the start of `text`: optional sign, digits, an optional decimal point with
// digits. `whole` demands that nothing but blanks follows.
std::optional<double> LeadingNumber(const std::string& text, bool whole)
{
    const std::string t = Trimmed(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
    }
    const std::string_view number = std::string_view(t).substr(digitsStart, i - digitsStart);
    if (number.find_first_of("0123456789") == std::string_view::npos) return std::nullopt;  // "", ".", "-."
    if (whole && i != t.size()) return std::nullopt;
    // from_chars, not strtod: the page files are written with a decimal point whatever the
    // user's locale, and a German LC_NUMERIC would stop strtod at the point.
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) value = HUGE_VAL;  // only a run of hundreds of digits
    else if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
    return t[0] == '-' ? -value : value;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }  // the default rounding mode is to nearest, ties to even

std::string ReadPage(const PageState& page, const std::string& section, const std::string& key, const char* def)
{
    return ReadIni(section, key, page.PageFile, def);
}

void ReadColumns(const PageState& page, ColumnLists& columns)
{
    for (int column = 1; column <= kColumnCount; ++column) {
        const std::string section = ColumnSection(column);
        const int count = std::min(ParseCount(ReadPage(page, section, "Count", "0")), kMaxEntriesPerColumn);
        for (int place = 1; place <= count; ++place)
            columns[static_cast<std::size_t>(column - 1)].push_back(ReadPage(page, section, ColumnEntryKey(place), "0"));
    }
}

void ReadMarks(const PageState& page, StartPageMarks& marks)
{
    if (ReadPage(page, "StartPage", "IE", "0") == "1") marks.IE = true;
    if (ReadPage(page, "StartPage", "FF", "0") == "1") marks.FF = true;
    if (ReadPage(page, "StartPage", "OP", "0") == "1") marks.OP = true;
    for (std::size_t i = 0; i < kChromiumBrowsers.size(); ++i)
        if (ReadPage(page, "StartPage", kChromiumBrowsers[i].key, "0") == "1") marks.chromium[i] = true;
}

} // namespace

std::string ColumnSection(int column) { return "Spalte" + std::to_string(column); }
std::string ColumnEntryKey(int place) { return "Eintrag" + std::to_string(place); }

bool ParseFlag(const std::string& text, bool current)
{
    const std::string t = Trimmed(text);
    if (EqualsIgnoringCase(t, "True")) return true;
    if (EqualsIgnoringCase(t, "False")) return false;
    if (const std::optional<double> number = LeadingNumber(t, true)) return *number != 0.0;
    return current;
}

int ParseCount(const std::string& text)
{
    const std::optional<double> number = LeadingNumber(text, false);
    if (!number) return 0;
    const double rounded = RoundHalfEven(*number);
    if (rounded > kMaxEntriesPerColumn) return kMaxEntriesPerColumn;
    return rounded < 0 ? 0 : static_cast<int>(rounded);
}

std::int16_t ParseColumns(const std::string& text, std::int16_t current)
{
    double value = current;
    if (const std::optional<double> number = LeadingNumber(text, true)) value = RoundHalfEven(*number);
    return static_cast<std::int16_t>(std::clamp(value, double(kMinColumns), double(kColumnCount)));
}

void SetPageNames(const AppPaths& paths, const std::string& name, PageState& page)
{
    page.PageName = name;
    page.PageFolder = paths.PagesFolder + name + "/";
    page.ImagesFolder = page.PageFolder + "images/";
    page.PageFile = paths.PageFilesFolder + name + ".pnw";
}

bool MakePageFolders(const PageState& page)
{
    std::string pageFolder = page.PageFolder;
    std::string imagesFolder = page.ImagesFolder;
    const bool pageFolderMade = MakePath(pageFolder);
    return MakePath(imagesFolder) && pageFolderMade;
}

void OpenPageAtStartUp(const AppPaths& paths, const std::string& name, PageState& page,
                       ColumnLists& columns, StartPageMarks& marks)
{
    SetPageNames(paths, name, page);
    MakePageFolders(page);
    page.BackFile = ReadPage(page, "Main", "BackFile", "");
    page.WallFile = ReadPage(page, "Main", "WallFile", "");
    page.UseWall = ParseFlag(ReadPage(page, "Main", "UseWall", "1"), page.UseWall);
    page.UseBack = ParseFlag(ReadPage(page, "Main", "UseBack", "1"), page.UseBack);
    page.Columns = ParseColumns(ReadPage(page, "Main", "Columns", "3"), page.Columns);
    ReadColumns(page, columns);
    ReadMarks(page, marks);
}

void OpenPageFromList(const AppPaths& paths, const std::string& name, PageState& page,
                      ColumnLists& columns, StartPageMarks& marks)
{
    SetPageNames(paths, name, page);
    for (auto& list : columns) list.clear();
    page.BackFile = ReadPage(page, "Main", "BackFile", "_back03.gif");
    page.WallFile = ReadPage(page, "Main", "WallFile", "_wall03.gif");
    page.UseWall = ParseFlag(ReadPage(page, "Main", "UseWall", "1"), page.UseWall);
    page.UseBack = ParseFlag(ReadPage(page, "Main", "UseBack", "1"), page.UseBack);
    if (!FindFileAnyCase(paths.BackFolder, page.BackFile)) {
        page.BackFile.clear();
        page.UseBack = false;
    }
    if (!FindFileAnyCase(paths.BackFolder, page.WallFile)) {
        page.WallFile.clear();
        page.UseWall = false;
    }
    page.Columns = ParseColumns(ReadPage(page, "Main", "Columns", "3"), page.Columns);
    ReadColumns(page, columns);
    ReadMarks(page, marks);
}

bool HoldsLinkPage(const std::string& pageFile)
{
    const std::optional<std::string> text = ReadWholeFile(pageFile);
    if (!text) return false;
    std::vector<std::string> pageSections = {"Main", kHeaderSection, kBannerSection, kFooterSection};
    for (int column = 1; column <= kColumnCount; ++column) pageSections.push_back(ColumnSection(column));
    for (const IniLine& line : ScanIniLines(*text)) {
        if (line.kind != IniLineKind::Section) continue;
        for (const std::string& section : pageSections)
            if (IniNamesEqual(line.name, section)) return true;
    }
    return false;
}

bool CreatePageFile(const AppPaths& paths, const std::string& name)
{
    return WriteIni("Main", "Columns", "3", paths.PageFilesFolder + name + ".pnw");
}

bool SaveColumns(const PageState& page, const ColumnLists& columns)
{
    std::vector<IniKeyValue> keys;
    for (int column = 1; column <= kColumnCount; ++column) {
        const auto& list = columns[static_cast<std::size_t>(column - 1)];
        const std::string section = ColumnSection(column);
        keys.push_back({section, "Count", std::to_string(list.size())});
        for (std::size_t place = 1; place <= list.size(); ++place)
            keys.push_back({section, ColumnEntryKey(static_cast<int>(place)), list[place - 1]});
    }
    return WriteIniKeys(keys, page.PageFile);
}

bool AppendEntry(const PageState& page, int column, int place, const std::string& entryName)
{
    const std::string section = ColumnSection(column);
    return WriteIniKeys({{section, "Count", std::to_string(place)},
                         {section, ColumnEntryKey(place), EntrySectionName(entryName)}},
                        page.PageFile);
}
