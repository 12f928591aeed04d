#include "document/BookmarkTree.h"
#include "document/FirefoxBookmarks.h"

#include "support/ScratchFolder.h"
#include "support/SqliteFile.h"

#include <gtest/gtest.h>

namespace {

// The tables of Firefox's places.sqlite and favicons.sqlite as Firefox creates them.
const char* const kPlacesSchema =
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, rev_host LONGVARCHAR,"
    " visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL, typed INTEGER DEFAULT 0 NOT NULL,"
    " frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date INTEGER, guid TEXT, foreign_count INTEGER DEFAULT 0 NOT NULL,"
    " url_hash INTEGER DEFAULT 0 NOT NULL, description TEXT, preview_image_url TEXT, site_name TEXT, origin_id INTEGER,"
    " recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency INTEGER, recalc_alt_frecency INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, parent INTEGER,"
    " position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, dateAdded INTEGER, lastModified INTEGER,"
    " guid TEXT, syncStatus INTEGER NOT NULL DEFAULT 0, syncChangeCounter INTEGER NOT NULL DEFAULT 1);"
    "INSERT INTO moz_bookmarks (id, type, parent, position, title, guid) VALUES"
    " (1, 2, 0, 0, '', 'root________'), (2, 2, 1, 0, 'menu', 'menu________'), (3, 2, 1, 1, 'toolbar', 'toolbar_____'),"
    " (4, 2, 1, 2, 'tags', 'tags________'), (5, 2, 1, 3, 'unfiled', 'unfiled_____'), (6, 2, 1, 4, 'mobile', 'mobile______');";
const char* const kIconsSchema =
    "CREATE TABLE moz_icons (id INTEGER PRIMARY KEY, icon_url TEXT NOT NULL, fixed_icon_url_hash INTEGER NOT NULL,"
    " width INTEGER NOT NULL DEFAULT 0, root INTEGER NOT NULL DEFAULT 0, color INTEGER, expire_ms INTEGER NOT NULL DEFAULT 0,"
    " flags INTEGER NOT NULL DEFAULT 0, data BLOB);"
    "CREATE TABLE moz_pages_w_icons (id INTEGER PRIMARY KEY, page_url TEXT NOT NULL, page_url_hash INTEGER NOT NULL);"
    "CREATE TABLE moz_icons_to_pages (page_id INTEGER NOT NULL, icon_id INTEGER NOT NULL, expire_ms INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (page_id, icon_id)) WITHOUT ROWID;";

std::string Outline(const BookmarkNode& node)
{
    std::string text;
    for (const BookmarkNode& child : node.children)
        text += child.folder ? "[" + child.title + ":" + Outline(child) + "]"
                             : child.title + (child.icon.bytes.empty() ? "" : "{" + child.icon.bytes + "}") + ";";
    return text;
}

} // namespace

TEST(FirefoxBookmarks, ReadsTheRootsWithIconsAndWhatStandsOnlyInTheWal)
{
    ScratchFolder profile;
    SqliteFile places(profile.Path("places.sqlite"));
    places.Exec(kPlacesSchema);
    places.Exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
    places.Exec(
        "INSERT INTO moz_places (id, url, title, description) VALUES (1, 'https://a.de/x#f', 'Seite A', 'Über A'),"
        " (2, 'https://b.de/', 'B', NULL), (3, 'place:tag=x', 'Suche', NULL), (4, 'https://c.de/', 'C', NULL),"
        " (5, 'https://d.de/', 'Seitentitel', NULL), (6, 'https://e.de/', 'E', NULL);"
        "INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, guid) VALUES"
        " (10, 2, NULL, 3, 0, 'News &amp; Co', 'f1'), (11, 1, 1, 10, 1, 'A', 'b1'), (12, 1, 2, 10, 0, 'B', 'b2'),"
        " (13, 1, 3, 2, 0, 'Abfrage', 'b3'), (14, 3, NULL, 2, 1, NULL, 's1'), (15, 1, 4, 3, 1, 'C', 'b4'),"
        " (16, 1, 5, 5, 0, NULL, 'b5'), (17, 1, 6, 6, 0, 'E', 'b6'),"
        " (18, 2, NULL, 4, 0, 'ein-tag', 't1'), (19, 1, 2, 18, 0, 'Tagged', 'b7');");
    SqliteFile icons(profile.Path("favicons.sqlite"));
    icons.Exec(kIconsSchema);
    icons.Exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
    icons.Exec(
        "INSERT INTO moz_pages_w_icons VALUES (1, 'https://a.de/x', 0), (2, 'https://b.de/other', 0);"
        "INSERT INTO moz_icons (id, icon_url, fixed_icon_url_hash, width, root, data) VALUES"
        " (1, 'https://a.de/16.png', 0, 16, 0, 'a16'), (2, 'https://a.de/32.png', 0, 32, 0, 'a32'),"
        " (3, 'https://b.de/i.png', 0, 16, 0, 'b16'), (4, 'https://c.de/favicon.ico', 0, 32, 1, 'c-root'),"
        " (5, 'https://a.de/i.svg', 0, 65535, 0, '<svg/>');"
        "INSERT INTO moz_icons_to_pages (page_id, icon_id) VALUES (1, 1), (1, 2), (1, 5), (2, 3);");

    // Both connections stay open: the rows stand only in the -wal files, as while Firefox runs.
    const std::optional<BookmarkNode> tree = ReadBookmarks(BookmarkSourceKind::Firefox, profile.Folder());
    ASSERT_TRUE(tree);
    EXPECT_EQ(Outline(*tree), "[menu:][toolbar:[News & Co:B{b16};A{a32};]C{c-root};][unfiled:Seitentitel;][mobile:E;]")
        << "the page without fragment, the host, the host's root icon; no tags, queries or separators";
    EXPECT_EQ(tree->children[1].children[0].children[1].description, "Über A");
    EXPECT_TRUE(ChooseFirefoxIcon({{65535, "u", "<svg/>"}}).svg);
    EXPECT_EQ(DetectBookmarkSource(profile.Folder()), BookmarkSourceKind::Firefox);
}

TEST(ChromiumBookmarks, ReadsBothBookmarkFilesWithTheWidestIconOfPageOrHost)
{
    ScratchFolder profile;
    profile.Put("Bookmarks", R"({"checksum": "x", "roots": {
        "bookmark_bar": {"name": "Lesezeichenleiste", "type": "folder", "children": [
            {"name": "Wetter", "type": "folder", "children": [{"name": "W", "type": "url", "url": "https://w.de/"}]},
            {"name": "H", "type": "url", "url": "https://h.de/seite"}]},
        "other": {"name": "Weitere", "type": "folder", "children": []},
        "synced": {"name": "Mobil", "type": "folder", "children": [{"name": "M", "type": "url", "url": "https://m.de/"}]}},
        "version": 1})");
    profile.Put("AccountBookmarks", R"({"roots": {"bookmark_bar": {"name": "Konto", "type": "folder",
        "children": [{"name": "K", "type": "url", "url": "https://k.de/"}]}}})");
    {
        SqliteFile icons(profile.Path("Favicons"));
        icons.Exec("CREATE TABLE favicons (id INTEGER PRIMARY KEY, url LONGVARCHAR NOT NULL, icon_type INTEGER DEFAULT 1);"
                   "CREATE TABLE favicon_bitmaps (id INTEGER PRIMARY KEY, icon_id INTEGER NOT NULL, last_updated INTEGER DEFAULT 0,"
                   " image_data BLOB, width INTEGER DEFAULT 0, height INTEGER DEFAULT 0, last_requested INTEGER NOT NULL DEFAULT 0);"
                   "CREATE TABLE icon_mapping (id INTEGER PRIMARY KEY, page_url LONGVARCHAR NOT NULL, icon_id INTEGER,"
                   " page_url_hash INTEGER NOT NULL DEFAULT 0);"
                   "INSERT INTO favicons VALUES (1, 'https://w.de/f.ico', 1), (2, 'https://h.de/f.ico', 1);"
                   "INSERT INTO favicon_bitmaps (icon_id, image_data, width, height) VALUES"
                   " (1, 'w16', 16, 16), (1, 'w32', 32, 32), (2, 'h16', 16, 16);"
                   "INSERT INTO icon_mapping (page_url, icon_id) VALUES ('https://w.de/', 1), ('https://h.de/', 2);");
    }
    const std::optional<BookmarkNode> tree = ReadBookmarks(BookmarkSourceKind::Chromium, profile.Folder());
    ASSERT_TRUE(tree);
    EXPECT_EQ(Outline(*tree), "[Lesezeichenleiste:[Wetter:W{w32};]H{h16};][Weitere:][Mobil:M;][Konto:K;]");
    EXPECT_TRUE(tree->children[0].root);

    profile.Put("Bookmarks", R"({"roots": {"bookmark_bar": )");
    EXPECT_FALSE(ReadBookmarks(BookmarkSourceKind::Chromium, profile.Folder())) << "a file that ends early";
}

TEST(BookmarkSource, TellsBySomeContentWhatASourceIsAndRefusesWhatIsNone)
{
    ScratchFolder dir;
    dir.Put("chrome/Bookmarks", "{}");
    dir.Put("firefox/places.sqlite", "not a database at all, just text");
    dir.Put("empty/x", "");
    dir.Put("bookmarks.html", "<DL></DL>");
    EXPECT_EQ(DetectBookmarkSource(dir.Path("chrome")), BookmarkSourceKind::Chromium);
    EXPECT_EQ(DetectBookmarkSource(dir.Path("bookmarks.html")), BookmarkSourceKind::BookmarksFile);
    EXPECT_FALSE(DetectBookmarkSource(dir.Path("empty")));
    EXPECT_FALSE(DetectBookmarkSource(dir.Path("missing")));
    EXPECT_FALSE(ReadBookmarks(BookmarkSourceKind::Firefox, dir.Path("firefox")));
    EXPECT_FALSE(ReadBookmarks(BookmarkSourceKind::Chromium, dir.Path("chrome")));
    EXPECT_EQ(dir.Take("firefox/places.sqlite"), "not a database at all, just text");
}
