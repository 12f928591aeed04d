#include "common/Ini.h"
#include "document/BookmarkImport.h"
#include "output/CommandLine.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

#include <sstream>

class BookmarkImportTest : public testing::Test {
protected:
    BookmarkImportTest()
    {
        program.dir.Put("Library/google.web", "[PinCard]\r\nEntry=Google\r\nLink=www.google.de\r\nImage=google.jpg\r\n");
        program.dir.Put("Library/wetter.jpg", "old logo");
        program.dir.Put("b.html",
                        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n"
                        "<DT><H3>Nachrichten</H3>\n<DL><p>\n"
                        "<DT><A HREF=\"http://WWW.google.de/#x\">Google</A>\n"
                        "<DT><A HREF=\"https://wetter.de/\">Wetter</A>\n"
                        "<DT><A HREF=\"https://Wetter.de:443/?utm_source=a\">Wetter</A>\n"
                        "<DT><A HREF=\"https://regen.de/\">Wetter</A>\n"
                        "<DT><A HREF=\"mailto:a@b.de\">Post</A>\n"
                        "</DL><p>\n</DL><p>\n");
    }
    int Run(std::vector<std::string> args)
    {
        out.str("");
        err.str("");
        const LogoMaker logo = [this](const ImportItem& item) {
            // The entry file must not exist yet when its logo is written.
            EXPECT_FALSE(program.dir.Has("Library/" + item.name + ".web"));
            return "JPEG of " + item.name;
        };
        return RunCommand(ParseCommandLine(args), program.dir.Path("Pinwall-Builder"), out, err, logo);
    }
    ProgramFolder program;
    std::ostringstream out, err;
};

TEST_F(BookmarkImportTest, ImportsNewBookmarksWithTheirLogosAndReportsEveryOne)
{
    const std::string lines =
        "schon in der Bibliothek\tGoogle\thttp://WWW.google.de/#x\n"
        "neu\tWetter 2\thttps://wetter.de/\n"
        "doppelt\tWetter\thttps://Wetter.de:443/?utm_source=a\n"
        "neu\tWetter 3\thttps://regen.de/\n"
        "übersprungen\tPost\tmailto:a@b.de\tkeine Web-Adresse\n";
    EXPECT_EQ(Run({"--import-bookmarks", program.dir.Path("b.html"), "--dry-run"}), 0);
    EXPECT_EQ(out.str(), lines + "2 neu übernommen, 1 schon in der Bibliothek, 1 doppelt, 1 übersprungen.\n");
    EXPECT_FALSE(program.dir.Has("Library/wetter_2.web")) << "a dry run writes nothing";

    EXPECT_EQ(Run({"--import-bookmarks", program.dir.Path("b.html")}), 0);
    EXPECT_EQ(out.str(), lines + "2 neu übernommen, 1 schon in der Bibliothek, 1 doppelt, 1 übersprungen.\n");
    EXPECT_EQ(program.dir.Take("Library/wetter_2.web"),
              "[PinCard]\r\nEntry=Wetter 2\r\nLink=https://wetter.de/\r\nImage=wetter_2.jpg\r\nInfo=Nachrichten\r\n");
    EXPECT_EQ(program.dir.Take("Library/wetter_3.jpg"), "JPEG of Wetter 3");
    EXPECT_EQ(program.dir.Take("Library/wetter.jpg"), "old logo");

    EXPECT_EQ(Run({"--import-bookmarks", program.dir.Path("b.html")}), 0);
    EXPECT_TRUE(out.str().ends_with("0 neu übernommen, 4 schon in der Bibliothek, 0 doppelt, 1 übersprungen.\n"));
}

TEST_F(BookmarkImportTest, ASourceThatCannotBeReadWritesNothingAndWrongArgumentsAreRefused)
{
    program.dir.Put("cut.html", "<DL><p><DT><A HREF=\"https://a.de/\">A</A><DT><A HR");
    for (const std::string& source : {program.dir.Path("cut.html"), program.dir.Path("nirgends")}) {
        EXPECT_EQ(Run({"--import-bookmarks", source}), 1);
        EXPECT_EQ(err.str(), "Die Lesezeichen aus '" + source + "' konnten nicht gelesen werden.\n");
        EXPECT_EQ(out.str(), "");
    }
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--import-bookmarks"}, {"--import-bookmarks", "--dry-run"}, {"--import-bookmarks", "a", "b"}, {"--dry-run"}})
        EXPECT_EQ(Run(wrong), 2) << wrong.size();
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("--import-bookmarks QUELLE [--dry-run]"), std::string::npos);
}
