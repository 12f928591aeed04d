// The entry library as the library browser sees it: its entries in file-list order, taking one
// entry into a column of the open page, and deleting an entry with its logo.
#pragma once

#include <string>
#include <vector>

struct PageState;

// The entry files of the library folder.
inline constexpr const char* kEntryFilePattern = "*.web";

struct LibraryEntry {
    std::string file;   // entry file name inside the library folder
    std::string name;   // key "Entry"
    std::string image;  // key "Image"; empty when it names no file of the library
};

// Reads the display name and logo name of each entry file, in the order given. A logo name with
// a path separator, "." or ".." names no file of the library and reads as empty.
std::vector<LibraryEntry> ReadLibraryEntries(const std::string& libraryFolder, const std::vector<std::string>& files);

// The logo's path, or empty when the entry has no logo name.
std::string LibraryLogoPath(const std::string& libraryFolder, const LibraryEntry& entry);

// What taking an entry wrote into the page.
struct TakenEntry {
    std::string section;  // the entry's section in the page file
    std::string image;    // its logo name as written
};

// Writes the entry into the page file: its section with Link (the address as the user sees it,
// maybe edited), Image and Info from the entry file (Info falls back to the name), then records it
// at place count + 1 of `column`. The entry file itself is not changed.
TakenEntry TakeLibraryEntry(const PageState& page, const std::string& entryFile, const std::string& name,
                            const std::string& link, int column, int count);

// The two files of an entry, named from its display name.
struct EntryFileNames {
    std::string web;
    std::string jpg;
};
EntryFileNames LibraryEntryFiles(const std::string& name);

// Deletes the entry file, then its logo. Names that would reach outside the folder are left
// alone. True when neither file is left.
bool DeleteLibraryEntry(const std::string& libraryFolder, const EntryFileNames& files);
