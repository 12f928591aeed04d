#include "document/BookmarkChoice.h"

#include "common/Ini.h"
#include "common/NameRules.h"
#include "document/BookmarkTree.h"
#include "document/EntryFile.h"
#include "document/EntryNameCheck.h"
#include "document/PageFile.h"

#include <utility>

BookmarkChoice::BookmarkChoice(const BookmarkNode& tree, LibraryIndex library)
    : library_(std::move(library))
{
    items_ = PlanBookmarkImport(tree, library_);
    // The plan walks the tree in the same order as the rows are made, bookmark by bookmark.
    int place = 0;
    for (const BookmarkNode& child : tree.children) top_.push_back(Add(child, -1, place++));
    if (bookmarks_ != static_cast<int>(items_.size())) {
        // Never expected: rows without items would tick nothing rather than the wrong bookmark.
        for (Row& row : rows_) row.item = -1;
    }
    for (const int row : top_) tickable_ += CountTickable(row);
}

int BookmarkChoice::Add(const BookmarkNode& node, int parent, int place)
{
    const int row = static_cast<int>(rows_.size());
    rows_.push_back(Row{parent, place, {}, &node, -1, 0, 0, false});
    if (!node.folder) {
        rows_[row].item = bookmarks_++;
        return row;
    }
    int childPlace = 0;
    for (const BookmarkNode& child : node.children) {
        const int added = Add(child, row, childPlace++);
        rows_[row].children.push_back(added);
    }
    return row;
}

int BookmarkChoice::CountTickable(int row)
{
    Row& r = rows_[row];
    if (r.item >= 0) return items_[r.item].state == ImportState::New ? 1 : 0;
    r.tickable = 0;
    for (const int child : r.children) r.tickable += CountTickable(child);
    return r.tickable;
}

const ImportItem* BookmarkChoice::ItemOf(int row) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size()) || rows_[row].item < 0) return nullptr;
    return &items_[rows_[row].item];
}

bool BookmarkChoice::Tickable(int row) const
{
    if (const ImportItem* item = ItemOf(row)) return item->state == ImportState::New;
    return row >= 0 && row < static_cast<int>(rows_.size()) && rows_[row].tickable > 0;
}

TickState BookmarkChoice::State(int row) const
{
    if (row < 0 || row >= static_cast<int>(rows_.size())) return TickState::Clear;
    const Row& r = rows_[row];
    if (r.item >= 0) return r.tick ? TickState::Ticked : TickState::Clear;
    if (r.ticked == 0) return TickState::Clear;
    return r.ticked == r.tickable ? TickState::Ticked : TickState::Partly;
}

void BookmarkChoice::Tick(int row, bool ticked)
{
    Row& r = rows_[row];
    if (r.item < 0) {
        for (const int child : r.children) Tick(child, ticked);
        return;
    }
    if (r.tick == ticked || items_[r.item].state != ImportState::New) return;
    r.tick = ticked;
    const int step = ticked ? 1 : -1;
    ticked_ += step;
    for (int up = r.parent; up >= 0; up = rows_[up].parent) rows_[up].ticked += step;
}

void BookmarkChoice::SetTicked(int row, bool ticked)
{
    if (row >= 0 && row < static_cast<int>(rows_.size())) Tick(row, ticked);
}

void BookmarkChoice::SetAll(bool ticked)
{
    for (const int row : top_) Tick(row, ticked);
}

RenameResult BookmarkChoice::Rename(int row, const std::string& name)
{
    if (!Tickable(row) || rows_[row].item < 0) return RenameResult::Taken;
    ImportItem& item = items_[rows_[row].item];
    if (name.empty()) return RenameResult::Empty;
    switch (FindEntryNameProblem(name)) {
    case EntryNameProblem::NotStorable: return RenameResult::NotStorable;
    case EntryNameProblem::NoLetterOrDigit: return RenameResult::NoLetterOrDigit;
    case EntryNameProblem::PathSeparator:
    case EntryNameProblem::None: break;
    }
    const std::string oldStem = EntryFileStem(item.name);
    const std::string newStem = EntryFileStem(name);
    // The index holds the library's stems and those the plan gave its new entries.
    if (newStem != oldStem) {
        if (library_.stems.count(newStem)) return RenameResult::Taken;
        library_.stems.erase(oldStem);
        library_.stems.insert(newStem);
    }
    item.name = name;
    return RenameResult::Accepted;
}

std::vector<const ImportItem*> BookmarkChoice::Chosen() const
{
    std::vector<const ImportItem*> chosen;
    for (const Row& row : rows_)
        if (row.item >= 0 && row.tick) chosen.push_back(&items_[row.item]);
    return chosen;
}

ChosenImport WriteChosenEntries(const AppPaths& paths, const std::vector<const ImportItem*>& chosen,
                                const LogoMaker& makeLogo, const ImportProgress& progress)
{
    ChosenImport result;
    int done = 0;
    for (const ImportItem* item : chosen) {
        if (progress && !progress(done++)) break;
        if (WriteImportedEntry(paths, *item, makeLogo)) result.written.push_back(item);
        else result.failed.push_back(item->name);
    }
    FinishImport(paths);
    return result;
}

bool PlaceImportedEntries(const PageState& page, int column, int count, const std::vector<const ImportItem*>& entries)
{
    if (entries.empty()) return true;
    std::vector<IniKeyValue> keys;
    const std::string columnSection = ColumnSection(column);
    int place = count;
    keys.push_back({columnSection, "Count", std::to_string(count + static_cast<int>(entries.size()))});
    for (const ImportItem* item : entries) {
        const std::string section = EntrySectionName(item->name);
        keys.push_back({section, "Link", item->link});
        keys.push_back({section, "Image", EntryFileStem(item->name) + ".jpg"});
        keys.push_back({section, "Info", EntryInfoRule(item->info, item->name)});
        keys.push_back({columnSection, ColumnEntryKey(++place), section});
    }
    return WriteIniKeys(keys, page.PageFile);
}
