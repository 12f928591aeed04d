#include "document/BookmarkRules.h"
#include "document/BookmarkTree.h"

#include <gtest/gtest.h>

TEST(BookmarkRules, NamesAreCleanedCutAndFallBackToTheHost)
{
    const std::string longTitle(70, 'x');
    const struct { const char* title; const char* url; std::string name; } cases[] = {
        {"Spiegel\r\nOnline\tNews", "https://spiegel.de/", "Spiegel Online News"},
        {"  A:B / C*D?\"E\"<F>|G [H] \\ ", "https://a.de/", "AB CDEFG H"},
        {"Ωmega Straße 🙂", "https://a.de/", "mega Straße"},
        {"", "https://www.heise.de/newsticker/", "heise.de"},
        {"...", "http://WWW.Example.ORG:8080/x", "example.org"},
        {"\x01\x7f", "https://b.de/", "b.de"},
        {longTitle.c_str(), "https://a.de/", std::string(60, 'x')},
    };
    for (const auto& c : cases) EXPECT_EQ(BookmarkEntryName(c.title, c.url), c.name) << c.title;
    // A cut that leaves a blank at the end is trimmed again.
    EXPECT_EQ(BookmarkEntryName(std::string(59, 'a') + " bcd", "https://a.de/"), std::string(59, 'a'));
}

TEST(BookmarkRules, AddressesAreNormalisedForDuplicates)
{
    const struct { const char* url; const char* normal; } cases[] = {
        {"HTTPS://WWW.Example.DE:443/Pfad/?b=2&utm_source=x&a=1#oben", "https://www.example.de/Pfad?a=1&b=2"},
        {"http://example.de:80", "http://example.de/"},
        {"http://example.de:8080/", "http://example.de:8080/"},
        {"https://example.de/?utm_medium=mail", "https://example.de/"},
        {"www.example.de/wetter/", "http://www.example.de/wetter"},
        {"http://user@[::1]:80/a/", "http://user@[::1]/a"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseAddress(c.url), c.normal) << c.url;
}

TEST(BookmarkRules, OnlyWebAddressesBecomeEntries)
{
    const std::string tooLong = "https://a.de/" + std::string(2040, 'q');
    const struct { std::string url; bool feed; const char* reason; } cases[] = {
        {"https://a.de/", false, ""},
        {"HTTP://a.de/", false, ""},
        {"javascript:void(0)", false, kSkipNoWebAddress},
        {"place:sort=8", false, kSkipNoWebAddress},
        {"about:config", false, kSkipNoWebAddress},
        {"chrome://settings", false, kSkipNoWebAddress},
        {"file:///home/x", false, kSkipNoWebAddress},
        {"ftp://a.de/", false, kSkipNoWebAddress},
        {"mailto:a@b.de", false, kSkipNoWebAddress},
        {"data:text/html,x", false, kSkipNoWebAddress},
        {"https://a.de/feed.xml", true, kSkipFeed},
        {"https://a.de/?q=%s", false, kSkipSearch},
        {tooLong, false, kSkipTooLong},
        {"https://a.de/" + std::string(2034, 'q'), false, ""},
    };
    for (const auto& c : cases) {
        BookmarkNode bookmark;
        bookmark.url = c.url;
        bookmark.feed = c.feed;
        EXPECT_EQ(BookmarkSkipReason(bookmark), c.reason) << c.url.substr(0, 30);
    }
}

TEST(BookmarkRules, LinksAndInfoTextsFitTheEntryFile)
{
    EXPECT_EQ(BookmarkLink("https://de.wikipedia.org/wiki/Köln_Ω"), "https://de.wikipedia.org/wiki/Köln_%CE%A9");
    EXPECT_EQ(BookmarkInfo("Zeile 1\r\nZeile \"2\"", {"A"}), "Zeile 1 Zeile '2'");
    EXPECT_EQ(BookmarkInfo("", {"Nachrichten", "Regional"}), "Nachrichten \u203A Regional");
    EXPECT_EQ(BookmarkInfo("", {}), "");
}
