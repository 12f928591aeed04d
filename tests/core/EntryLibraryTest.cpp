#include "common/FileList.h"
#include "common/Ini.h"
#include "document/EntryLibrary.h"
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
    EXPECT_EQ(LibraryLogoPath(Library(), entries[1]), Library() + "b.jpg");
    // Logo names that reach out of the library, and a missing one, name no file.
    for (int i : {0, 2, 3}) {
        EXPECT_EQ(entries[i].image, "") << i;
        EXPECT_EQ(LibraryLogoPath(Library(), entries[i]), "") << i;
    }
}

TEST_F(EntryLibraryTest, TakingAnEntryWritesItsSectionAndItsPlaceInTheColumn)
{
    Entry("mueller_&_soehne.web",
          "[PinCard]\r\nEntry=M\xFCller & S\xF6hne\r\nLink=http://old\r\nImage=mueller_&_soehne.jpg\r\nInfo=Werkzeug\r\n");
    const TakenEntry taken = TakeLibraryEntry(page, Library() + "mueller_&_soehne.web", "Müller & Söhne",
                                              "http://edited.example", 2, 3);
    EXPECT_EQ(taken.section, "Mueller & Soehne");
    EXPECT_EQ(taken.image, "mueller_&_soehne.jpg");
    EXPECT_EQ(Page("Mueller & Soehne", "Link"), "http://edited.example");
    EXPECT_EQ(Page("Mueller & Soehne", "Image"), "mueller_&_soehne.jpg");
    EXPECT_EQ(Page("Mueller & Soehne", "Info"), "Werkzeug");
    EXPECT_EQ(Page("Spalte2", "Count"), "4");
    EXPECT_EQ(Page("Spalte2", "Eintrag4"), "Mueller & Soehne");
    // The entry file keeps its own address.
    EXPECT_EQ(ReadIni("PinCard", "Link", Library() + "mueller_&_soehne.web"), "http://old");

    // An info left at the placeholder, or none at all, becomes the name; a logo name outside the
    // library is not passed on.
    Entry("x.web", "[PinCard]\r\nEntry=X\r\nImage=/etc/x.jpg\r\nInfo=(optional)\r\n");
    Entry("y.web", "[PinCard]\r\nEntry=Y\r\n");
    EXPECT_EQ(TakeLibraryEntry(page, Library() + "x.web", "X", "http://x", 1, 0).image, "");
    TakeLibraryEntry(page, Library() + "y.web", "Y", "http://y", 1, 1);
    EXPECT_EQ(Page("X", "Info"), "X");
    EXPECT_EQ(Page("X", "Image"), "");
    EXPECT_EQ(Page("Y", "Info"), "Y");
    EXPECT_EQ(Page("Spalte1", "Count"), "2");
    EXPECT_EQ(Page("Spalte1", "Eintrag1"), "X");
    EXPECT_EQ(Page("Spalte1", "Eintrag2"), "Y");
}

TEST_F(EntryLibraryTest, DeletingRemovesEntryFileAndLogoNamedFromTheName)
{
    const EntryFileNames files = LibraryEntryFiles("Mein Wetter!");
    EXPECT_EQ(files.web, "mein_wetter.web");
    EXPECT_EQ(files.jpg, "mein_wetter.jpg");
    Entry("mein_wetter.web", "[PinCard]\r\n");
    Entry("mein_wetter.jpg", "jpg");
    Entry("other.web", "[PinCard]\r\n");
    EXPECT_TRUE(DeleteLibraryEntry(Library(), files));
    EXPECT_FALSE(std::filesystem::exists(program.dir.Path("Library/mein_wetter.web")));
    EXPECT_FALSE(std::filesystem::exists(program.dir.Path("Library/mein_wetter.jpg")));
    EXPECT_TRUE(std::filesystem::exists(program.dir.Path("Library/other.web")));

    // A logo that was never made is no failure; a name reaching outside the library is.
    Entry("nologo.web", "[PinCard]\r\n");
    EXPECT_TRUE(DeleteLibraryEntry(Library(), LibraryEntryFiles("NoLogo")));
    program.dir.Put("outside.jpg", "keep");
    EXPECT_FALSE(DeleteLibraryEntry(Library(), {"other.web", "../outside.jpg"}));
    EXPECT_TRUE(std::filesystem::exists(program.dir.Path("outside.jpg")));
    EXPECT_FALSE(std::filesystem::exists(program.dir.Path("Library/other.web")));
}
