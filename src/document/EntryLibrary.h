// The entry library as the library browser sees it: its entries in file-list order, taking one
// entry into a column of the open page. Deleting an entry is EntryLogo's.
#pragma once

#include <string>
#include <vector>

class AnyCaseFolder;
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

// The logo's path, found whatever the case of its name; the path of the name as it stands when
// no file has it, and empty when the entry has no logo name.
std::string LibraryLogoPath(const AnyCaseFolder& library, const LibraryEntry& entry);

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

