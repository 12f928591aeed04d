// The page file of a link page ("PnwFiles/«page».pnw"): the open page's state, the two ways of
// opening a page into the editor's column lists, creating a page file and storing the columns.
#pragma once

#include "common/ChromiumProfiles.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct AppPaths;

struct PageState {
    std::string PageName;
    std::string PageFolder;    // PagesFolder + name + "/"
    std::string ImagesFolder;  // PageFolder + "images/"
    std::string PageFile;      // PageFilesFolder + name + ".pnw"
    std::string BackFile;
    std::string WallFile;
    bool UseBack = true;
    bool UseWall = true;
    std::int16_t Columns = 3;  // 2 to 6
};

inline constexpr int kColumnCount = 6;
inline constexpr int kMinColumns = 2;

// The entry names of the six columns, top first; index = column number - 1.
using ColumnLists = std::array<std::vector<std::string>, kColumnCount>;

// Which browsers have this page as their start page.
struct StartPageMarks {
    bool IE = false;
    bool FF = false;
    bool OP = false;
    std::array<bool, kChromiumBrowsers.size()> chromium{};  // in the order of kChromiumBrowsers
};

// Section and key names of the page file.
std::string ColumnSection(int column);  // "Spalte1" ... "Spalte6"
std::string ColumnEntryKey(int place);  // "Eintrag1" ...

// Conversions of page file texts.
// A flag: "0" is false, any other number true, "True"/"False" as such; other text leaves it.
bool ParseFlag(const std::string& text, bool current);
// A count: the text's leading number rounded half to even; no number gives 0.
int ParseCount(const std::string& text);
// Columns: the number rounded half to even and kept within 2..6; a text that is no number
// leaves the current value.
std::int16_t ParseColumns(const std::string& text, std::int16_t current);

// Sets the page's name and paths in `page` (folders are not created).
void SetPageNames(const AppPaths& paths, const std::string& name, PageState& page);

// Creates the page folder and then its images folder where missing; true when both exist.
bool MakePageFolders(const PageState& page);

// Opens the page as start-up does: folders created where missing, picture names taken as they
// stand, entry names appended to the (new) lists, marks that read "1" set.
void OpenPageAtStartUp(const AppPaths& paths, const std::string& name, PageState& page,
                       ColumnLists& columns, StartPageMarks& marks);

// Opens the page as the start window does: lists emptied first, missing pictures switched off,
// marks that read "1" set and the others left as they were.
void OpenPageFromList(const AppPaths& paths, const std::string& name, PageState& page,
                      ColumnLists& columns, StartPageMarks& marks);

// True when the file holds any section of a link page: Main, Spalte1 to Spalte6, DirectSearch,
// Banner or Footer (names without regard to case). Another INI file, or an empty one, holds none.
bool HoldsLinkPage(const std::string& pageFile);

// Creates the page file with [Main] Columns=3.
bool CreatePageFile(const AppPaths& paths, const std::string& name);

// Stores the count and entry names of all six columns.
bool SaveColumns(const PageState& page, const ColumnLists& columns);

// Records an entry added at `place` (1-based) of `column`: its Count and its Eintrag key.
bool AppendEntry(const PageState& page, int column, int place, const std::string& entryName);
