#include "document/BookmarkImport.h"

#include "common/AppPaths.h"
#include "common/FileIo.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "document/BookmarkRules.h"
#include "document/BookmarkTree.h"
#include "document/EntryFile.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class Planner {
public:
    Planner(LibraryIndex& library, std::vector<ImportItem>& items) : library_(library), items_(items) {}

    void Walk(const BookmarkNode& folder, std::vector<std::string>& path)
    {
        for (const BookmarkNode& child : folder.children) {
            if (child.folder) {
                if (!child.root) path.push_back(child.title);
                Walk(child, path);
                if (!child.root) path.pop_back();
            } else {
                items_.push_back(Plan(child, path));
            }
        }
    }

private:
    ImportItem Plan(const BookmarkNode& bookmark, const std::vector<std::string>& path)
    {
        ImportItem item;
        item.bookmark = &bookmark;
        item.name = BookmarkEntryName(bookmark.title, bookmark.url);
        item.link = BookmarkLink(bookmark.url);
        item.reason = BookmarkSkipReason(bookmark);
        if (!item.reason.empty()) {
            item.state = ImportState::Skipped;
            return item;
        }
        item.info = BookmarkInfo(bookmark.description, path);
        const std::string address = NormaliseAddress(item.link);
        if (library_.addresses.count(address)) {
            item.state = importedAddresses_.count(address) ? ImportState::Duplicate : ImportState::InLibrary;
            return item;
        }
        const std::string base = item.name;
        for (int n = 2; library_.stems.count(EntryFileStem(item.name)); ++n) item.name = base + " " + std::to_string(n);
        library_.stems.insert(EntryFileStem(item.name));
        library_.addresses.insert(address);
        importedAddresses_.insert(address);
        return item;
    }

    LibraryIndex& library_;
    std::vector<ImportItem>& items_;
    std::set<std::string> importedAddresses_;
};

} // namespace

const char* ImportStateText(ImportState state)
{
    switch (state) {
    case ImportState::New: return "neu";
    case ImportState::InLibrary: return "schon in der Bibliothek";
    case ImportState::Duplicate: return "doppelt";
    case ImportState::Skipped: return "übersprungen";
    }
    return "";
}

LibraryIndex ReadLibraryIndex(const std::string& libraryFolder)
{
    LibraryIndex index;
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(libraryFolder), ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        const std::string extension = Utf8FromPath(file.extension());
        if (extension != ".web" && extension != ".jpg") continue;
        index.stems.insert(Utf8FromPath(file.stem()));
        if (extension == ".web") {
            const std::string link = ReadEntryKey(Utf8FromPath(file), "Link");
            if (!link.empty()) index.addresses.insert(NormaliseAddress(link));
        }
    }
    return index;
}

std::vector<ImportItem> PlanBookmarkImport(const BookmarkNode& tree, LibraryIndex& library)
{
    std::vector<ImportItem> items;
    std::vector<std::string> path;
    Planner(library, items).Walk(tree, path);
    return items;
}

bool WriteImportedEntry(const AppPaths& paths, const ImportItem& item, const LogoMaker& makeLogo)
{
    const std::string stem = EntryFileStem(item.name);
    const std::string entryFile = paths.LibraryFolder + stem + ".web";
    const std::string logoFile = paths.LibraryFolder + stem + ".jpg";
    if (paths.LibraryFolder.empty() || !IsPlainFileName(stem + ".web") || FileExists(entryFile)) return false;
    std::string library = paths.LibraryFolder;
    MakePath(library);

    bool logoWritten = false;
    if (!FileExists(logoFile)) {
        const std::string jpeg = makeLogo ? makeLogo(item) : std::string();
        logoWritten = !jpeg.empty() && WriteFileAtomically(logoFile, jpeg, FolderSync::Later);
    }
    const bool written = WriteIniKeys({{kEntrySection, "Entry", item.name},
                                       {kEntrySection, "Link", item.link},
                                       {kEntrySection, "Image", stem + ".jpg"},
                                       {kEntrySection, "Info", item.info}},
                                      entryFile, FolderSync::Later);
    if (!written && logoWritten) RemoveFile(logoFile);
    return written;
}

void FinishImport(const AppPaths& paths) { SyncFolderOf(paths.LibraryFolder + "x.web"); }

ImportCounts CountImport(const std::vector<ImportItem>& items)
{
    ImportCounts counts;
    for (const ImportItem& item : items) {
        switch (item.state) {
        case ImportState::New: ++counts.added; break;
        case ImportState::InLibrary: ++counts.inLibrary; break;
        case ImportState::Duplicate: ++counts.duplicate; break;
        case ImportState::Skipped: ++counts.skipped; break;
        }
    }
    return counts;
}
