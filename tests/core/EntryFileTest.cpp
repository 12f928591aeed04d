#include "common/Ini.h"
#include "document/EntryFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

TEST(EntryFile, NamesFollowTheFileStem)
{
    ProgramFolder program;
    EXPECT_EQ(EntryFilePath(program.paths, "Süddeutsche Zeitung"), program.paths.LibraryFolder + "sueddeutsche_zeitung.web");
    EXPECT_EQ(EntryLogoName("Mein Wetter!"), "mein_wetter.jpg");
    EXPECT_EQ(EntryLogoPath(program.paths, "Sport.Nachrichten"), program.paths.LibraryFolder + "sportnachrichten.jpg");
}

TEST(EntryFile, LinkAndInfoRules)
{
    EXPECT_EQ(EntryLinkRule("www.heise.de"), "http://www.heise.de");
    EXPECT_EQ(EntryLinkRule("https://example.org"), "https://example.org");
    EXPECT_EQ(EntryLinkRule("HTTP://x"), "http://HTTP://x");
    EXPECT_EQ(EntryLinkRule("file:///x"), "http://file:///x");
    EXPECT_EQ(EntryInfoRule("", "Name"), "Name");
    EXPECT_EQ(EntryInfoRule("(optional)", "Name"), "Name");
    EXPECT_EQ(EntryInfoRule("Nachrichten", "Name"), "Nachrichten");
}

TEST(EntryFile, CreatingWritesTheFourKeysInOrder)
{
    ProgramFolder program;
    std::filesystem::create_directory(program.dir.Path("Library"));
    ASSERT_TRUE(CreateEntryFile(program.paths, "Müller Shop", "www.mueller.de", "(optional)"));
    EXPECT_EQ(program.dir.Take("Library/mueller_shop.web"),
              "[PinCard]\r\nEntry=M\xFCller Shop\r\nLink=http://www.mueller.de\r\nImage=mueller_shop.jpg\r\nInfo=M\xFCller Shop\r\n");

    // Names that differ in case, blanks or umlaut spelling share one entry file.
    EXPECT_TRUE(EntryExists(program.paths, "mueller_shop"));
    EXPECT_TRUE(EntryExists(program.paths, "MÜLLER SHOP"));
    EXPECT_FALSE(EntryExists(program.paths, "Other"));

    const std::string file = EntryFilePath(program.paths, "Müller Shop");
    EXPECT_EQ(ReadEntryKey(file, "entry"), "Müller Shop");
    ASSERT_TRUE(WriteEntryKey(file, "Link", "http://new"));
    EXPECT_EQ(ReadEntryKey(file, "Link"), "http://new");
    EXPECT_EQ(ReadEntryKey(file, "Missing", "def"), "def");
}

TEST(EntryFile, WritingIntoAMissingLibraryFailsQuietly)
{
    ProgramFolder program;  // start-up does not create Library/
    EXPECT_FALSE(CreateEntryFile(program.paths, "Google", "www.google.de", ""));
    EXPECT_FALSE(EntryExists(program.paths, "Google"));
}

TEST(EntryFile, ANameWithABackslashNamesNoFile)
{
    ProgramFolder program;
    std::filesystem::create_directory(program.dir.Path("Library"));
    EXPECT_FALSE(CreateEntryFile(program.paths, "..\\evil", "x", ""));
    EXPECT_FALSE(EntryExists(program.paths, "..\\evil"));
}
