#include "common/Ini.h"
#include "document/EntryFile.h"
#include "document/EntryStore.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class EntryStoreTest : public testing::Test {
protected:
    EntryStoreTest()
    {
        program.dir.Put("Library/.keep", "");
        SetPageNames(program.paths, "Home", page);
        CreatePageFile(program.paths, "Home");
    }

    // Stores `name` as a new entry of column 3, which held four entries, answering the logo
    // question with `answer` and recording what was asked.
    void Store(const std::string& name, bool answer = true, const std::string& info = "(optional)")
    {
        StoreNewEntry(program.paths, page, {name, "www.example.org", info, 3, 4}, [&](const std::string& logo) {
            asked.push_back(logo);
            return answer;
        });
    }
    std::string Page(const std::string& section, const std::string& key)
    {
        return ReadIni(section, key, page.PageFile);
    }

    ProgramFolder program;
    PageState page;
    std::vector<std::string> asked;
};

} // namespace

TEST(EntryStore, CopiedAddresses)
{
    for (const char* taken : {"http://a.de", "HTTP://A.DE", "WWW.heise.de", "www.x", "HTTPS://X.ORG", "File:///tmp/x"})
        EXPECT_TRUE(LooksLikeAddress(taken)) << taken;
    for (const char* left : {"ftp://x.org", "Hallo www.x", "https:/x", "", "ww.x"})
        EXPECT_FALSE(LooksLikeAddress(left)) << left;
    EXPECT_EQ(AddressFromClipboard("https://x.org/a b  \r\nmore"), "https://x.org/a b");
    EXPECT_EQ(AddressFromClipboard("www.x.de"), "www.x.de");
}

TEST_F(EntryStoreTest, ACapturedLogoBecomesTheEntrysLogoAndReplacesOneOnlyWhenTheUserSaysSo)
{
    program.dir.Put("Library/_temp.jpg", "captured");
    Store("Müller Shop");
    EXPECT_EQ(program.dir.Take("Library/mueller_shop.jpg"), "captured");
    EXPECT_EQ(Page("Mueller Shop", "Image"), "mueller_shop.jpg");

    program.dir.Put("Library/google.jpg", "old");
    program.dir.Put("Library/_temp.jpg", "new");
    Store("Google", false);
    EXPECT_EQ(asked, std::vector<std::string>{"google.jpg"});
    EXPECT_EQ(program.dir.Take("Library/google.jpg"), "old");
    EXPECT_TRUE(program.dir.Has("Library/_temp.jpg"));

    program.dir.Put("Library/bing.jpg", "old");
    Store("Bing", true);
    EXPECT_EQ(program.dir.Take("Library/bing.jpg"), "new");
    EXPECT_FALSE(program.dir.Has("Library/_temp.jpg"));

    // Without a capture the logo in the library stays, unasked.
    program.dir.Put("Library/yahoo.jpg", "kept");
    asked.clear();
    Store("Yahoo", false);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(program.dir.Take("Library/yahoo.jpg"), "kept");
}

TEST_F(EntryStoreTest, AStoredEntryIsNeverOverwritten)
{
    const std::string stored = "[PinCard]\r\nEntry=Heise\r\nLink=http://heise.de\r\nImage=heise.jpg\r\nInfo=News\r\n";
    program.dir.Put("Library/heise.web", stored);
    program.dir.Put("Library/_temp.jpg", "captured");
    Store("HEISE", true, "Eigenes");
    EXPECT_EQ(program.dir.Take("Library/heise.web"), stored);
    EXPECT_FALSE(program.dir.Has("Library/heise.jpg"));
    EXPECT_EQ(Page("HEISE", "Info"), "Eigenes");
    EXPECT_EQ(Page("Spalte3", "Eintrag5"), "HEISE");

    EXPECT_TRUE(DeleteCapturedLogo(program.paths));
    EXPECT_FALSE(program.dir.Has("Library/_temp.jpg"));
}

TEST_F(EntryStoreTest, LinkEditWritesOnlyWhatChanged)
{
    const std::string entryFile = "[PinCard]\r\nEntry=Gr\xFC\xDF" "e\r\nLink=http://old\r\nImage=gruesse.jpg\r\nInfo=Alt\r\n";
    program.dir.Put("Library/gruesse.web", entryFile);
    const std::string pageBefore = program.dir.Take("PnwFiles/Home.pnw");

    LinkEdit edit{"Grüße", "http://old", "Alt", "http://old", "Alt", "http://old"};
    EXPECT_FALSE(StoreLinkEdit(program.paths, page, edit));
    EXPECT_EQ(program.dir.Take("PnwFiles/Home.pnw"), pageBefore);
    EXPECT_EQ(program.dir.Take("Library/gruesse.web"), entryFile);

    // Only the info changed: the page file's Link stays unwritten, the entry file gets both.
    edit.info = "Neu";
    EXPECT_FALSE(StoreLinkEdit(program.paths, page, edit));
    EXPECT_EQ(program.dir.Take("PnwFiles/Home.pnw"), pageBefore + "[Gruesse]\r\nInfo=Neu\r\n");
    EXPECT_EQ(ReadIni("PinCard", "Info", program.dir.Path("Library/gruesse.web")), "Neu");

    // A new link reaches the editor's box; an emptied info stores the entry name.
    edit = {"Grüße", "http://old", "Neu", "www.new.de", "", "http://old"};
    EXPECT_TRUE(StoreLinkEdit(program.paths, page, edit));
    EXPECT_EQ(Page("Gruesse", "Link"), "www.new.de");
    EXPECT_EQ(Page("Gruesse", "Info"), "Grüße");
    EXPECT_EQ(program.dir.Take("Library/gruesse.web"),
              "[PinCard]\r\nEntry=Gr\xFC\xDF" "e\r\nLink=www.new.de\r\nImage=gruesse.jpg\r\nInfo=Gr\xFC\xDF" "e\r\n");

    // An entry without a file in the library does not get a half one.
    StoreLinkEdit(program.paths, page, {"Lost", "a", "b", "c", "d", "a"});
    EXPECT_FALSE(program.dir.Has("Library/lost.web"));
    EXPECT_EQ(Page("Lost", "Link"), "c");
}
