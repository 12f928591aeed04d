#include "document/BookmarksFile.h"

#include <gtest/gtest.h>

namespace {

// Titles of the tree, folders with "/" behind, in document order.
std::string Outline(const BookmarkNode& node)
{
    std::string text;
    for (const BookmarkNode& child : node.children) {
        text += child.folder ? "[" + child.title + (child.root ? "*" : "") + ":" + Outline(child) + "]"
                             : child.title + "=" + child.url + (child.description.empty() ? "" : "(" + child.description + ")") + ";";
    }
    return text;
}

const char* const kPng1x1 = "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==";

} // namespace

TEST(BookmarksFile, ReadsTheExportFormsOfTheBrowsersAndHandMadeFiles)
{
    const std::string firefox = std::string(
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
        "<TITLE>Bookmarks</TITLE>\n<H1>Lesezeichen-Menü</H1>\n<DL><p>\n"
        "    <DT><H3 ADD_DATE=\"1\" PERSONAL_TOOLBAR_FOLDER=\"true\">Lesezeichen-Symbolleiste</H3>\n    <DL><p>\n"
        "        <DT><A HREF=\"https://a.de/\" ICON=\"data:image/png;base64,") + kPng1x1 + "\">A &amp; B</A>\n"
        "        <DD>Beschreibung\n"
        "    </DL><p>\n    <DT><A HREF=\"https://c.de/\" FEEDURL=\"https://c.de/rss\">Feed</A>\n</DL>\n";
    const std::string chrome =
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!-- This is an automatically generated file. -->\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
        "<DL><p>\n    <DT><H3 ADD_DATE=\"1\" LAST_MODIFIED=\"2\" PERSONAL_TOOLBAR_FOLDER=\"true\">Lesezeichenleiste</H3>\n"
        "    <DL><p>\n        <DT><H3>Nachrichten</H3>\n        <DL><p>\n"
        "            <DT><A HREF=\"https://n.de/\" ADD_DATE=\"3\">N</A>\n        </DL><p>\n"
        "        <DT><H3>Leer</H3>\n        <DL><p>\n        </DL><p>\n    </DL><p>\n</DL><p>\n";
    const std::string messy =
        "<dl>\n<dt><h3>Ordner</h3>\n<dl><dt><a\n   href=https://x.de/\n   icon=data:image/svg+xml,%3Csvg%3E%3C/svg%3E>X\n  Titel</a>\n"
        "<dd>Zeile eins\nzwei\n<dt><h3>Innen</h3><dl><dt><a href='https://y.de/'>Y</a></dl>\n</dl>\n"
        "<dt><a href=\"https://z.de/\">Z</a>\n</dl>\n";

    const std::optional<BookmarkNode> ff = ParseBookmarksHtml(firefox);
    ASSERT_TRUE(ff);
    EXPECT_EQ(Outline(*ff), "[Lesezeichen-Symbolleiste*:A & B=https://a.de/(Beschreibung);]Feed=https://c.de/;");
    const BookmarkNode& a = ff->children[0].children[0];
    EXPECT_EQ(a.icon.bytes.substr(1, 3), "PNG");
    EXPECT_FALSE(a.icon.svg);
    EXPECT_TRUE(ff->children[1].feed);

    const std::optional<BookmarkNode> ch = ParseBookmarksHtml(chrome);
    ASSERT_TRUE(ch);
    EXPECT_EQ(Outline(*ch), "[Lesezeichenleiste*:[Nachrichten:N=https://n.de/;][Leer:]]");

    const std::optional<BookmarkNode> hand = ParseBookmarksHtml(messy);
    ASSERT_TRUE(hand);
    EXPECT_EQ(Outline(*hand), "[Ordner:X\n  Titel=https://x.de/(Zeile eins\nzwei);[Innen:Y=https://y.de/;]]Z=https://z.de/;");
    const BookmarkIcon& svg = hand->children[0].children[0].icon;
    EXPECT_TRUE(svg.svg);
    EXPECT_EQ(svg.bytes, "<svg></svg>");
}

TEST(BookmarksFile, TheCharsetComesFromTheMetaTagElseUtf8)
{
    const std::string body = "<DL><p><DT><A HREF=\"https://a.de/\">M\xFC" "ller</A></DL>";
    const std::string latin = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">" + body;
    EXPECT_EQ(ParseBookmarksHtml(latin)->children[0].title, "Müller");
    const std::string utf8 = "<DL><p><DT><A HREF=\"https://a.de/\">Müller €</A></DL>";
    EXPECT_EQ(ParseBookmarksHtml(utf8)->children[0].title, "Müller €");
}

TEST(BookmarksFile, AFileThatEndsEarlyOrIsNoBookmarksFileIsNotRead)
{
    for (const char* bytes : {"", "<DL><p><DT><A HREF=\"https://a.de/\">A</A>\n<DT><A HR", "{\"roots\": {}}"})
        EXPECT_FALSE(ParseBookmarksHtml(bytes)) << bytes;
    EXPECT_FALSE(ReadBookmarksFile("/nonexistent/bookmarks.html"));
}

TEST(BookmarksFile, EntitiesAreDecoded)
{
    EXPECT_EQ(DecodeHtmlEntities("A &amp; B &eacute; &#228;&#xE4; &nope; & x;"), "A & B é ää &nope; & x;");
}
