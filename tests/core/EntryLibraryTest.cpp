#include "common/FileList.h"
#include "common/FileLookup.h"
#include "common/Ini.h"
#include "document/EntryLibrary.h"
#include "document/EntryLogo.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

class EntryLibraryTest : public testing::Test {
protected:
    EntryLibraryTest()
    {
        std::filesystem::create_directory(program.dir.Path("Library"));
        SetPageNames(program.paths, "Seite", page);
        CreatePageFile(program.paths, "Seite");
    }

    void Entry(const std::string& file, const std::string& body) { program.dir.Put("Library/" + file, body); }
    std::string Library() const { return program.paths.LibraryFolder; }
    std::string Page(const std::string& section, const std::string& key) { return ReadIni(section, key, page.PageFile); }

    ProgramFolder program;
    PageState page;
};

TEST_F(EntryLibraryTest, ReadsNameAndLogoOfEveryEntryFileInListOrder)
{
    Entry("b.web", "[PinCard]\r\nEntry=B\r\nImage=b.jpg\r\n");
    Entry("A.web", "[PinCard]\r\nEntry=A\r\nImage=../a.jpg\r\n");
    Entry("c.web", "[PinCard]\r\nEntry=C\r\nImage=..\r\n");
    Entry("d.web", "[PinCard]\r\nEntry=D\r\n");
    Entry("_temp.jpg", "x");

    const FileList list(Library(), kEntryFilePattern);
    const std::vector<LibraryEntry> entries = ReadLibraryEntries(Library(), list.Files());
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].file, "A.web");
    EXPECT_EQ(entries[1].name, "B");
    EXPECT_EQ(LibraryLogoPath(AnyCaseFolder(Library()), entries[1]), Library() + "b.jpg");
    // Logo names that reach out of the library, and a missing one, name no file.
    for (int i : {0, 2, 3}) {
        EXPECT_EQ(entries[i].image, "") << i;
        EXPECT_EQ(LibraryLogoPath(AnyCaseFolder(Library()), entries[i]), "") << i;
    }
}

// The rest of taking and deleting is seen through the library browser.
TEST_F(EntryLibraryTest, ATakenEntryPassesOnNoLogoNameFromOutsideTheLibrary)
{
    Entry("x.web", "[PinCard]\r\nEntry=X\r\nImage=/etc/x.jpg\r\n");
    EXPECT_EQ(TakeLibraryEntry(page, Library() + "x.web", "X", "http://x", 1, 0).image, "");
    EXPECT_EQ(Page("X", "Image"), "");
    EXPECT_EQ(Page("Spalte1", "Eintrag1"), "X");
}

TEST_F(EntryLibraryTest, DeletingNeedsNoLogoButNeverReachesOutsideTheLibrary)
{
    Entry("nologo.web", "[PinCard]\r\n");
    EXPECT_EQ(DeleteLibraryEntry(Library(), "nologo.web").failedFile, "");
    EXPECT_FALSE(program.dir.Has("Library/nologo.web"));

    Entry("other.web", "[PinCard]\r\nImage=../outside.jpg\r\n");
    program.dir.Put("outside.jpg", "keep");
    EXPECT_EQ(DeleteLibraryEntry(Library(), "other.web").logo, "");
    EXPECT_TRUE(program.dir.Has("outside.jpg"));
    EXPECT_FALSE(program.dir.Has("Library/other.web"));
}
