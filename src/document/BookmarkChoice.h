// The bookmarks of one source as the import window offers them: the tree as rows, which new
// bookmarks are ticked, the state of each folder's box, and renaming a new entry under the rules of
// the new entry dialog. What each bookmark becomes is the plan's; the writes are the import's.
#pragma once

#include "document/BookmarkImport.h"

#include <functional>
#include <string>
#include <vector>

struct BookmarkNode;
struct PageState;

enum class TickState { Clear, Partly, Ticked };

// Why a new name is refused; Accepted when it is taken.
enum class RenameResult { Accepted, Empty, NotStorable, NoLetterOrDigit, Taken };

class BookmarkChoice {
public:
    struct Row {
        int parent = -1;  // -1: a row at the top
        int place = 0;    // among the parent's rows
        std::vector<int> children;
        const BookmarkNode* node = nullptr;
        int item = -1;      // a bookmark's index into Items(); -1 for a folder
        int tickable = 0;   // a folder's new bookmarks, all levels below
        int ticked = 0;     // of these, the ticked ones
        bool tick = false;  // a bookmark's own box
    };

    // Plans the import of `tree` against the library; the tree must outlive the choice. Nothing
    // is ticked.
    BookmarkChoice(const BookmarkNode& tree, LibraryIndex library);

    const std::vector<Row>& Rows() const { return rows_; }
    const std::vector<int>& TopRows() const { return top_; }
    const std::vector<ImportItem>& Items() const { return items_; }
    const ImportItem* ItemOf(int row) const;

    // A new bookmark, or a folder with one below it.
    bool Tickable(int row) const;
    TickState State(int row) const;
    // Ticks or clears the row; a folder passes it to every new bookmark below it.
    void SetTicked(int row, bool ticked);
    // "Alle" and "Keine": every new bookmark.
    void SetAll(bool ticked);
    int TickedCount() const { return ticked_; }
    int TickableCount() const { return tickable_; }

    // A new entry's name, refused as the new entry dialog refuses it, and when its files would
    // take the name of an entry of the library or of another bookmark of the plan.
    RenameResult Rename(int row, const std::string& name);

    // The ticked items, in the order of the source.
    std::vector<const ImportItem*> Chosen() const;

private:
    int Add(const BookmarkNode& node, int parent, int place);
    void Tick(int row, bool ticked);
    int CountTickable(int row);

    std::vector<Row> rows_;
    std::vector<int> top_;
    std::vector<ImportItem> items_;
    LibraryIndex library_;
    int bookmarks_ = 0;
    int ticked_ = 0;
    int tickable_ = 0;
};

// What taking the chosen items wrote: the entries that reached the library, and those whose
// entry file could not be written.
struct ChosenImport {
    std::vector<const ImportItem*> written;
    std::vector<std::string> failed;  // display names
};

// Told how many items are done before each next one; false stops the writing there.
using ImportProgress = std::function<bool(int done)>;

// Writes each chosen item as the import writes every new one, then makes the names last. A stop
// leaves only whole entries, and the ones not yet written in neither list.
ChosenImport WriteChosenEntries(const AppPaths& paths, const std::vector<const ImportItem*>& chosen,
                                const LogoMaker& makeLogo, const ImportProgress& progress = {});

// Puts the entries at places count + 1, count + 2, … of `column` of the page: each one's section
// (Link, Image, Info as the entry file has them) and the column's keys, in one write of the page file.
bool PlaceImportedEntries(const PageState& page, int column, int count, const std::vector<const ImportItem*>& entries);
