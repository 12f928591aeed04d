// Taking a source's bookmarks into the entry library: what each bookmark becomes (a new entry,
// one the library holds already, a second bookmark of one address, or skipped with its reason),
// and writing a new entry as a whole: its logo first, then its entry file in one write.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

struct AppPaths;
struct BookmarkNode;

enum class ImportState { New, InLibrary, Duplicate, Skipped };

// The state as the import shows it: "neu", "schon in der Bibliothek", "doppelt", "übersprungen".
const char* ImportStateText(ImportState state);

struct ImportItem {
    const BookmarkNode* bookmark = nullptr;  // in the tree the plan was made from
    ImportState state = ImportState::New;
    std::string name;    // display name; for a new entry the one its files are named by
    std::string link;
    std::string info;
    std::string reason;  // Skipped: why
};

// What the library holds: the file stems in use (of entry files and of logos) and the
// normalised addresses of its entries.
struct LibraryIndex {
    std::set<std::string> stems;
    std::set<std::string> addresses;
};
LibraryIndex ReadLibraryIndex(const std::string& libraryFolder);

// Every bookmark of the tree in source order with what it becomes. A name whose file stem is
// taken gets " 2", " 3", …; the index takes in the new entries, so a second plan against it
// finds them in the library.
std::vector<ImportItem> PlanBookmarkImport(const BookmarkNode& tree, LibraryIndex& library);

// The JPEG bytes of an item's logo; empty when none could be made.
using LogoMaker = std::function<std::string(const ImportItem& item)>;

// Writes a new entry: "«stem».jpg" from the logo maker, then "«stem».web" with Entry, Link,
// Image and Info in one write. Neither file replaces one that exists. False when the entry
// file could not be written (a logo written for it is removed again). Each file reaches the
// disk whole before it gets its name; FinishImport makes the names themselves last.
bool WriteImportedEntry(const AppPaths& paths, const ImportItem& item, const LogoMaker& makeLogo);
void FinishImport(const AppPaths& paths);

struct ImportCounts {
    int added = 0;
    int inLibrary = 0;
    int duplicate = 0;
    int skipped = 0;
};
ImportCounts CountImport(const std::vector<ImportItem>& items);
