#include "PageGeneratorFixture.h"

#include <filesystem>

namespace {

const std::string kRN = "\r\n";

class PageGeneratorTest : public PageGeneratorFixture {};

TEST_F(PageGeneratorTest, SmallPageIsWrittenByteForByte)
{
    columns[0] = {"Wetter"};
    Entry("Wetter", "192.0.2.7/wetter");

    GenerateResult written = GeneratePage(program.paths, page, columns);

    ASSERT_TRUE(written.written);
    EXPECT_EQ(written.indexFile, program.dir.Folder() + "Pinwall/Start/index.html");
    const std::string expected =
        "<HTML><HEAD><TITLE>Start</TITLE></HEAD>" + kRN +
        "<BODY BGCOLOR=\"#C0C0C0\" TEXT=\"black\" ALINK=\"black\" VLINK=\"black\" link=\"black\">"
        "<font size=\"1\"><br />" + kRN + kRN + kRN +
        "<table border=\"0\" align=\"center\"><tr><td width=\"321\" valign=\"top\"><p align=\"center\">" + kRN + kRN + kRN +
        "<font face=\"Arial\" size=\"5\"><a href=\"http://192.0.2.7/wetter\" target=\"_blank\">Wetter</a></font>"
        "<br /><br />" + kRN + kRN + kRN +
        "</p></td><td width=\"321\" valign=\"top\"><p align=\"center\">" + kRN + kRN + kRN + kRN + kRN +
        "</p></td></tr></table>" + kRN + kRN + kRN +
        "</font>" + kRN + "</BODY>" + kRN + "</HTML>" + kRN + kRN;
    EXPECT_EQ(program.dir.Take("Pinwall/Start/index.html"), expected);
    EXPECT_EQ(Occurrences(expected, kRN), 22);
    EXPECT_TRUE(program.dir.Has("Pinwall/Start/images"));
}

TEST_F(PageGeneratorTest, ColumnsAreStoredAllSixButOnlyTheCountShown)
{
    Key("Spalte1", "Eintrag3", "old");
    columns[0] = {"A", "B"};
    columns[2] = {"Hidden"};
    columns[5] = {"Also hidden"};

    const std::string html = Generate();

    EXPECT_EQ(ReadIni("Spalte1", "Count", page.PageFile), "2");
    EXPECT_EQ(ReadIni("Spalte1", "Eintrag3", page.PageFile), "old");  // keys above the count stay
    EXPECT_EQ(ReadIni("Spalte3", "Eintrag1", page.PageFile), "Hidden");
    EXPECT_EQ(ReadIni("Spalte6", "Eintrag1", page.PageFile), "Also hidden");
    EXPECT_EQ(ReadIni("Spalte4", "Count", page.PageFile), "0");
    EXPECT_NE(html.find(">A</a>"), std::string::npos);
    EXPECT_NE(html.find(">B</a>"), std::string::npos);
    EXPECT_EQ(html.find("Hidden"), std::string::npos);
    EXPECT_EQ(html.find("Also hidden"), std::string::npos);
    EXPECT_EQ(Occurrences(html, "<td width=\"321\""), 2);
}

TEST_F(PageGeneratorTest, LinksGetHttpUnlessTheyBeginWithLowerCaseHttp)
{
    columns[0] = {"Empty", "Secure", "Capitals", "Www", "File"};
    Entry("Secure", "https://example.org");
    Entry("Capitals", "HTTP://example.org");
    Entry("Www", "www.example.org");
    Entry("File", "file:///tmp/x.html");

    const std::string html = Generate();

    EXPECT_NE(html.find("href=\"http://\" target=\"_blank\">Empty<"), std::string::npos);
    EXPECT_NE(html.find("href=\"https://example.org\""), std::string::npos);
    EXPECT_NE(html.find("href=\"http://HTTP://example.org\""), std::string::npos);
    EXPECT_NE(html.find("href=\"http://www.example.org\""), std::string::npos);
    EXPECT_NE(html.find("href=\"http://file:///tmp/x.html\""), std::string::npos);
}

TEST_F(PageGeneratorTest, LogoFallsBackToTheDerivedNameThenToText)
{
    columns[0] = {"Wetter", "Mein Wörterbuch", "Verloren", "Ohne Bild", "Leer"};
    Entry("Wetter", "192.0.2.7/wetter", "", "wetter.jpg");
    program.dir.Put("Library/wetter.jpg", "W");
    Entry("Mein Woerterbuch", "example.org", "Nachschlagen", "gone.jpg");
    program.dir.Put("Library/mein_woerterbuch.jpg", "M");
    Entry("Verloren", "example.org", "", "gone.jpg");
    Entry("Ohne Bild", "example.org");
    program.dir.Put("Library/ohne_bild.jpg", "O");  // a derived logo alone shows nothing
    Entry("Leer", "example.org", "", "");
    Key("Leer", "Info", "");  // empty info: the name is the alt text

    const std::string html = Generate();

    EXPECT_NE(html.find("<a href=\"http://192.0.2.7/wetter\" target=\"_blank\"><img src=\"images/wetter.jpg\" "
                        "border=\"0\" alt=\"Wetter\"></a><br /><br />\r\n"),
              std::string::npos);
    EXPECT_NE(html.find("<img src=\"images/mein_woerterbuch.jpg\" border=\"0\" alt=\"Nachschlagen\">"), std::string::npos);
    EXPECT_NE(html.find(">Verloren</a></font><br /><br />"), std::string::npos);
    EXPECT_NE(html.find(">Ohne Bild</a></font>"), std::string::npos);
    EXPECT_NE(html.find(">Leer</a></font>"), std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("wetter.jpg")), "W");
    EXPECT_EQ(program.dir.Take(Image("mein_woerterbuch.jpg")), "M");
    EXPECT_FALSE(program.dir.Has(Image("ohne_bild.jpg")));
}

TEST_F(PageGeneratorTest, ImageNameWithSpacesIsCopiedWithUnderscores)
{
    columns[0] = {"Karte"};
    Entry("Karte", "example.org", "", "alte karte.jpg");
    program.dir.Put("Library/alte karte.jpg", "K");

    const std::string html = Generate();

    EXPECT_NE(html.find("src=\"images/alte_karte.jpg\""), std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("alte_karte.jpg")), "K");
}

TEST_F(PageGeneratorTest, CopiesAreKeptButBackgroundAndWallpaperRefreshed)
{
    page.UseBack = true;
    page.BackFile = "_back03.gif";
    page.UseWall = true;
    page.WallFile = "_wall03.gif";
    List("DirectSearch", {"suche"});
    program.dir.Put("Forms/suche.form", "<form></form>\r\n");
    program.dir.Put("Back/_back03.gif", "back one");
    program.dir.Put("Back/_wall03.gif", "wall one");
    columns[0] = {"Wetter"};
    Entry("Wetter", "example.org", "", "wetter.jpg");
    program.dir.Put("Library/wetter.jpg", "logo one");
    Generate();

    program.dir.Put("Back/_back03.gif", "back two");
    program.dir.Put("Back/_wall03.gif", "wall two");
    program.dir.Put("Library/wetter.jpg", "logo two");
    const std::string html = Generate();

    EXPECT_NE(html.find("link=\"black\" background=\"images/back.gif\"><font size=\"1\">"), std::string::npos);
    EXPECT_NE(html.find("bgcolor=\"white\" background=\"images/wallpaper.gif\"><tr>"), std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("back.gif")), "back two");
    EXPECT_EQ(program.dir.Take(Image("wallpaper.gif")), "wall two");
    EXPECT_EQ(program.dir.Take(Image("wetter.jpg")), "logo one");
}

TEST_F(PageGeneratorTest, MissingBackgroundKeepsItsAttribute)
{
    page.UseBack = true;
    page.BackFile = "gone.gif";

    const std::string html = Generate();

    EXPECT_NE(html.find("background=\"images/back.gif\">"), std::string::npos);
    EXPECT_FALSE(program.dir.Has(Image("back.gif")));
}

TEST_F(PageGeneratorTest, TextsGoInUnchangedButQuotesCannotEndAnAttribute)
{
    page.PageName = "A & B <Start>";
    columns[0] = {"Tom & \"Jerry\" <3", "Bild"};
    Entry("Tom & \"Jerry\" <3", "example.org/?q=\"x\"&y=<z>");
    Entry("Bild", "example.org/\"b\"", "Sag \"Hallo\" & <tschüs>", "bild\"1\".jpg");
    program.dir.Put("Library/bild\"1\".jpg", "B");

    const std::string html = Generate();

    EXPECT_NE(html.find("<TITLE>A & B <Start></TITLE>"), std::string::npos);
    EXPECT_NE(html.find("<a href=\"http://example.org/?q=%22x%22&y=<z>\" target=\"_blank\">Tom & \"Jerry\" <3</a>"),
              std::string::npos);
    EXPECT_NE(html.find("<a href=\"http://example.org/%22b%22\" target=\"_blank\"><img src=\"images/bild%221%22.jpg\" "
                        "border=\"0\" alt=\"Sag &quot;Hallo&quot; & <tschüs>\">"),
              std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("bild\"1\".jpg")), "B");
}

TEST_F(PageGeneratorTest, PageIsWrittenInWindows1252)
{
    SetPageNames(program.paths, "Grüße €", page);
    columns[0] = {"Löwe 日本"};

    Generate();

    const std::string bytes = program.dir.Take("Pinwall/Grüße €/index.html");
    EXPECT_NE(bytes.find("<TITLE>Gr\xFC\xDF" "e \x80</TITLE>"), std::string::npos);
    EXPECT_NE(bytes.find(">L\xF6we ?" "?</a>"), std::string::npos);
}

TEST_F(PageGeneratorTest, NamesWithPathsReadNothingOutsideTheirFolders)
{
    page.UseBack = true;
    page.BackFile = "../Library/secret.jpg";
    page.UseWall = true;
    page.WallFile = "..";
    program.dir.Put("Library/secret.jpg", "secret");
    program.dir.Put("secret.form", "<p>secret</p>\r\n");
    program.dir.Put("Banner/../secret.gif", "secret");
    List("DirectSearch", {"../secret"});
    List("Banner", {"../secret"});
    columns[0] = {"Fremd", "../secret"};
    Entry("Fremd", "example.org", "", "../secret.gif");
    Entry("../secret", "example.org", "", "x.jpg");
    program.dir.Put("Library/x.jpg", "x");

    const std::string html = Generate();

    EXPECT_EQ(html.find("<p>secret</p>"), std::string::npos);
    EXPECT_EQ(html.find("images/secret.gif"), std::string::npos);
    EXPECT_EQ(html.find("images/../"), std::string::npos);
    EXPECT_NE(html.find(">Fremd</a></font>"), std::string::npos);
    EXPECT_NE(html.find("src=\"images/x.jpg\""), std::string::npos);  // a plain Image name still works
    EXPECT_FALSE(program.dir.Has(Image("back.gif")));
    EXPECT_FALSE(program.dir.Has(Image("wallpaper.gif")));
    EXPECT_FALSE(program.dir.Has("Pinwall/Start/secret.gif"));
    EXPECT_FALSE(program.dir.Has("Pinwall/secret.gif"));
}

TEST_F(PageGeneratorTest, UnwritablePageIsReportedAsAFailure)
{
    std::filesystem::create_directories(program.dir.Path("Pinwall/Start/index.html"));  // a folder in the way

    const GenerateResult failed = GeneratePage(program.paths, page, columns);

    EXPECT_FALSE(failed.written);
    EXPECT_EQ(failed.indexFile, page.PageFolder + "index.html");
    EXPECT_EQ(std::string(kPageWriteErrorMessage), "Fehler beim Schreiben der Datei. ");
}

TEST_F(PageGeneratorTest, MissingFoldersAreMadeAndTheOldPageReplaced)
{
    program.dir.Put("Pinwall/Start/index.html", std::string(10000, 'x'));
    std::filesystem::remove_all(program.dir.Path("Pinwall/Start/images"));

    const std::string html = Generate();

    EXPECT_TRUE(html.starts_with("<HTML>"));
    EXPECT_TRUE(html.ends_with("</HTML>\r\n\r\n"));
    EXPECT_TRUE(std::filesystem::is_directory(program.dir.Path("Pinwall/Start/images")));
}

} // namespace

#include "common/IniSnapshot.h"

namespace {

TEST(IniSnapshot, AnswersAsReadIni)
{
    ScratchFolder dir;
    dir.Put("page.ini", "Loose=1\r\n[Main]\r\n  Columns =  4  \r\nquoted=\"a b\"\r\nEmpty=\r\nlong=" + std::string(3000, 'x') +
                            "\r\n[main]\r\nColumns=9\r\n[Gr\xFC\xDF" "e]\r\nInfo=H\xE4ll\xF6\r\ninfo=second\r\nflag\r\n");
    const std::string file = dir.Path("page.ini");
    const IniSnapshot snapshot(file);
    const std::pair<std::string, std::string> asked[] = {
        {"Main", "Columns"}, {"MAIN", "QUOTED"}, {"Main", "Empty"}, {"Main", "long"}, {"Main", "Loose"},
        {"", "Loose"},       {"GRÜSSE", "Info"}, {"grÜße", "INFO"}, {"Grüße", "flag"},  {"None", "x"}};
    for (const auto& [section, key] : asked)
        EXPECT_EQ(snapshot.Read(section, key, "dflt"), ReadIni(section, key, file, "dflt")) << section << "/" << key;
    EXPECT_EQ(snapshot.Read("Main", "Columns"), "4");
    EXPECT_EQ(snapshot.Read("grüße", "info"), "Hällö");
    EXPECT_EQ(IniSnapshot(dir.Path("missing.ini")).Read("Main", "Columns", "3"), "3");
}

} // namespace
