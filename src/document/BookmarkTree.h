// The bookmarks of a browser as the readers hand them over: a tree of folders and bookmarks in
// the browser's order, each bookmark with the icon the browser stored for it. Every reader
// (Firefox profile, Chromium-family profile, bookmarks file) fills the same tree.
#pragma once

#include <optional>
#include <string>
#include <vector>

// An icon as the browser stored it: raster bytes (PNG, ICO, …) or an SVG document.
struct BookmarkIcon {
    std::string bytes;  // empty: no icon
    bool svg = false;
    int width = 0;      // as the browser recorded it; 0 when unknown
};

struct BookmarkNode {
    bool folder = false;
    // A folder that stands for one of the browser's roots (toolbar, other bookmarks): it
    // groups bookmarks but is no part of their folder path.
    bool root = false;
    std::string title;        // UTF-8, as the browser stored it
    std::string url;          // bookmarks only
    std::string description;  // empty where the source has none
    bool feed = false;        // a feed (live bookmark) rather than a page
    BookmarkIcon icon;
    std::vector<BookmarkNode> children;  // folders only
};

// What a source folder or file is.
enum class BookmarkSourceKind { BookmarksFile, Firefox, Chromium };

// Tells by its content what a path holds: a file is a bookmarks file, a folder with
// places.sqlite a Firefox profile, a folder with Bookmarks (or AccountBookmarks) a
// Chromium-family profile. Nothing when it is none of these or does not exist.
std::optional<BookmarkSourceKind> DetectBookmarkSource(const std::string& path);

// Reads the bookmarks of a source of the given kind: a profile folder or a bookmarks file. The
// top node is an untitled folder. Nothing when the source cannot be read (missing, not SQLite,
// not JSON, a file that ends early); the source itself is never changed.
std::optional<BookmarkNode> ReadBookmarks(BookmarkSourceKind kind, const std::string& path);
