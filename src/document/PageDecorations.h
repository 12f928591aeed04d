// The page file's keys of the page decorations: the ordered lists of the header, banner and
// footer lines, and the wallpaper and background choices, with the file patterns that offer them.
#pragma once

#include <string>
#include <vector>

struct PageState;

// Sections of the ordered lists (Count, Entry1 … EntryCount).
inline constexpr const char* kHeaderSection = "DirectSearch";
inline constexpr const char* kBannerSection = "Banner";
inline constexpr const char* kFooterSection = "Footer";

// What the decoration windows offer: header forms from FormsFolder, wallpapers and backgrounds
// from BackFolder.
inline constexpr const char* kFormPattern = "*.form";
inline constexpr const char* kWallpaperPattern = "_wall*.gif;_wall*.jpg;_wall*.jpeg";
inline constexpr const char* kBackgroundPattern =
    "_wall*.gif;_wall*.jpg;_wall*.jpeg;_back*.gif;_back*.jpg;_back*.jpeg";

// The names of a list section, Count of them (a missing count is 0); a missing Entry is empty.
std::vector<std::string> ReadChosenList(const PageState& page, const std::string& section);

// Writes Count and Entry1 … EntryCount; entries above the new count stay but are not used.
bool StoreChosenList(const PageState& page, const std::string& section, const std::vector<std::string>& names);

// A header form's name: its file name without ".form".
std::string FormName(const std::string& fileName);

// The row of the picture `name` among a folder's `files` in list order, found as every look-up
// of a file finds it: the exact name, else the first equal without regard to case; -1 when none
// is (also for an empty name).
int FindPictureRow(const std::vector<std::string>& files, const std::string& name);

// Sets and writes [Main] UseWall at once.
bool StoreUseWall(PageState& page, bool use);

// The header line's store: the chosen forms, then WallFile and UseWall, in memory and file.
bool StoreHeaderLine(PageState& page, const std::vector<std::string>& forms, const std::string& wallFile,
                     bool useWall);

// The background's store: BackFile and UseBack, in memory and file.
bool StoreBackground(PageState& page, const std::string& backFile, bool useBack);
