#include "document/BookmarkTree.h"

#include "common/FileIo.h"
#include "common/Files.h"
#include "document/BookmarksFile.h"
#include "document/ChromiumBookmarks.h"
#include "document/FirefoxBookmarks.h"

#include <filesystem>

namespace fs = std::filesystem;

std::optional<BookmarkSourceKind> DetectBookmarkSource(const std::string& path)
{
    std::error_code ec;
    const fs::path source = FsPath(path);
    if (fs::is_regular_file(source, ec)) return BookmarkSourceKind::BookmarksFile;
    if (!fs::is_directory(source, ec)) return std::nullopt;
    if (fs::is_regular_file(source / "places.sqlite", ec)) return BookmarkSourceKind::Firefox;
    if (fs::is_regular_file(source / "Bookmarks", ec) || fs::is_regular_file(source / "AccountBookmarks", ec))
        return BookmarkSourceKind::Chromium;
    return std::nullopt;
}

std::optional<BookmarkNode> ReadBookmarks(BookmarkSourceKind kind, const std::string& path)
{
    std::string folder = path;
    switch (kind) {
    case BookmarkSourceKind::BookmarksFile:
        return ReadBookmarksFile(path);
    case BookmarkSourceKind::Firefox:
        return ReadFirefoxBookmarks(AddBackslash(folder));
    case BookmarkSourceKind::Chromium:
        return ReadChromiumBookmarks(AddBackslash(folder));
    }
    return std::nullopt;
}
