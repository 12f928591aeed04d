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

    // Without a capture the logo in the library stays, unasked.
    program.dir.Put("Library/yahoo.jpg", "kept");
    Store("Yahoo", false);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(program.dir.Take("Library/yahoo.jpg"), "kept");

    program.dir.Put("Library/google.jpg", "old");
    program.dir.Put("Library/_temp.jpg", "new");
    Store("Google", false);
    EXPECT_EQ(asked, std::vector<std::string>{"google.jpg"});
    EXPECT_EQ(program.dir.Take("Library/google.jpg"), "old");
    EXPECT_TRUE(program.dir.Has("Library/_temp.jpg"));
}

// The link dialog's edit reaches the page file only in the keys that changed.
TEST_F(EntryStoreTest, LinkEditWritesOnlyWhatChanged)
{
    program.dir.Put("Library/gruesse.web", "[PinCard]\r\nEntry=Gr\xFC\xDF" "e\r\nLink=http://old\r\nInfo=Alt\r\n");
    const std::string pageBefore = program.dir.Take("PnwFiles/Home.pnw");
    EXPECT_FALSE(StoreLinkEdit(program.paths, page, {"Grüße", "http://old", "Alt", "http://old", "Neu", "http://old"}));
    EXPECT_EQ(program.dir.Take("PnwFiles/Home.pnw"), pageBefore + "[Gruesse]\r\nInfo=Neu\r\n");

    // An entry without a file in the library does not get a half one.
    StoreLinkEdit(program.paths, page, {"Lost", "a", "b", "c", "d", "a"});
    EXPECT_FALSE(program.dir.Has("Library/lost.web"));
    EXPECT_EQ(Page("Lost", "Link"), "c");
}
