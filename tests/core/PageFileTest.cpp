#include "common/Ini.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

#include <clocale>

class PageFileTest : public testing::Test {
protected:
    void PutPage(const std::string& name, const std::string& text) { program.dir.Put("PnwFiles/" + name + ".pnw", text); }

    ProgramFolder program;
    PageState page;
    ColumnLists columns;
    StartPageMarks marks;
};

TEST(PageFileConversions, Flags)
{
    EXPECT_FALSE(ParseFlag("0", true));
    EXPECT_TRUE(ParseFlag("1", false));
    EXPECT_TRUE(ParseFlag("-1", false));
    EXPECT_TRUE(ParseFlag("2.5", false));
    EXPECT_FALSE(ParseFlag("0.0", true));
    EXPECT_TRUE(ParseFlag("true", false));
    EXPECT_FALSE(ParseFlag("False", true));
    EXPECT_TRUE(ParseFlag("yes", true));  // no number, no Boolean word: unchanged
    EXPECT_FALSE(ParseFlag("yes", false));
    EXPECT_FALSE(ParseFlag("1x", false));
}

TEST(PageFileConversions, CountsAndColumns)
{
    EXPECT_EQ(ParseCount("3"), 3);
    EXPECT_EQ(ParseCount(" 4abc"), 4);
    EXPECT_EQ(ParseCount("2.5"), 2);  // ties to even
    EXPECT_EQ(ParseCount("3.5"), 4);
    EXPECT_EQ(ParseCount("x"), 0);
    EXPECT_EQ(ParseCount("-2"), 0);
    EXPECT_EQ(ParseCount("999999999"), 10000);  // a damaged count cannot stall the program

    EXPECT_EQ(ParseColumns("4", 3), 4);
    EXPECT_EQ(ParseColumns("4.5", 3), 4);
    EXPECT_EQ(ParseColumns("five", 5), 5);
    EXPECT_EQ(ParseColumns("9", 3), 6);
    EXPECT_EQ(ParseColumns("0", 3), 2);
}

TEST(PageFileConversions, DecimalsAndALonePoint)
{
    EXPECT_EQ(ParseColumns("3.6", 3), 4);
    EXPECT_EQ(ParseColumns("2.7", 5), 3);
    EXPECT_EQ(ParseColumns("5.", 3), 5);
    EXPECT_EQ(ParseColumns(".5", 3), 2);  // 0 after rounding, then the smallest count
    EXPECT_EQ(ParseCount("2.7"), 3);
    EXPECT_TRUE(ParseFlag("0.5", false));
    // A point without digits is no number: the value stays as it was.
    EXPECT_EQ(ParseColumns(".", 5), 5);
    EXPECT_EQ(ParseColumns("-.", 5), 5);
    EXPECT_EQ(ParseCount("."), 0);
    EXPECT_TRUE(ParseFlag(".", true));
    EXPECT_FALSE(ParseFlag(".", false));
    EXPECT_EQ(ParseColumns("-3", 4), 2);
    EXPECT_EQ(ParseColumns("+5", 3), 5);
    EXPECT_EQ(ParseCount(std::string(400, '9')), 10000);
}

// The users of this program mostly run a German locale, whose decimal separator is a comma;
// the page files always hold a point.
TEST(PageFileConversions, NumbersDoNotDependOnTheLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.utf8"))
        GTEST_SKIP() << "no German locale on this machine";
    const bool comma = std::string(std::localeconv()->decimal_point) == ",";
    const int count = ParseCount("2.7");
    const bool flag = ParseFlag("0.5", false);
    const std::int16_t columns = ParseColumns("3.6", 3);
    std::setlocale(LC_NUMERIC, before.c_str());
    ASSERT_TRUE(comma);
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(flag);
    EXPECT_EQ(columns, 4);
}

TEST_F(PageFileTest, ANewPageFileHoldsOnlyTheColumnCount)
{
    ASSERT_TRUE(CreatePageFile(program.paths, "Home"));
    EXPECT_EQ(program.dir.Take("PnwFiles/Home.pnw"), "[Main]\r\nColumns=3\r\n");
}

TEST_F(PageFileTest, OpeningAtStartUpTakesNamesAsTheyStandAndCreatesTheFolders)
{
    PutPage("Home", "[Main]\nColumns=4\nUseBack=0\n[Spalte2]\nCount=2\nEintrag1=Google\n[Spalte5]\nCount=1\nEintrag1=Hidden\n"
                    "[StartPage]\nFF=1\nIE=yes\n");
    OpenPageAtStartUp(program.paths, "Home", page, columns, marks);

    EXPECT_EQ(page.PageName, "Home");
    EXPECT_EQ(page.PageFolder, program.paths.PagesFolder + "Home/");
    EXPECT_EQ(page.ImagesFolder, program.paths.PagesFolder + "Home/images/");
    EXPECT_EQ(page.PageFile, program.paths.PageFilesFolder + "Home.pnw");
    EXPECT_TRUE(program.dir.Has("Pinwall/Home/images"));
    EXPECT_EQ(page.BackFile, "");  // nothing looked up in Back/
    EXPECT_EQ(page.WallFile, "");
    EXPECT_FALSE(page.UseBack);
    EXPECT_TRUE(page.UseWall);
    EXPECT_EQ(page.Columns, 4);
    EXPECT_EQ(columns[1], (std::vector<std::string>{"Google", "0"}));  // a missing Eintrag reads "0"
    EXPECT_EQ(columns[4], (std::vector<std::string>{"Hidden"}));        // beyond the column count, still read
    EXPECT_TRUE(columns[0].empty());
    EXPECT_FALSE(marks.IE);
    EXPECT_TRUE(marks.FF);
}

TEST_F(PageFileTest, OpeningFromTheListDefaultsPicturesAndSwitchesOffMissingOnes)
{
    program.dir.Put("Back/_back03.gif", "GIF89a");
    PutPage("Home", "[Main]\nUseBack=0\nWallFile=gone.gif\n[StartPage]\nOP=1\n");
    columns[0] = {"stale"};
    marks.IE = true;  // set by the page open before: stays set
    OpenPageFromList(program.paths, "Home", page, columns, marks);

    EXPECT_EQ(page.BackFile, "_back03.gif");
    EXPECT_FALSE(page.UseBack);  // as the page says
    EXPECT_EQ(page.WallFile, "");
    EXPECT_FALSE(page.UseWall);
    EXPECT_TRUE(columns[0].empty());
    EXPECT_TRUE(marks.IE && marks.OP && !marks.FF);
    EXPECT_FALSE(program.dir.Has("Pinwall/Home"));  // folders are not created here

    std::filesystem::remove(program.dir.Path("Back/_back03.gif"));
    PutPage("Home", "[Main]\nUseBack=1\nBackFile=../Back/_back03.gif\n");
    OpenPageFromList(program.paths, "Home", page, columns, marks);
    EXPECT_EQ(page.BackFile, "");
    EXPECT_FALSE(page.UseBack);

    // A wallpaper that exists keeps its use flag; the column count takes decimals.
    program.dir.Put("Back/wall.jpg", "JPEG");
    PutPage("Home", "[Main]\nWallFile=wall.jpg\nColumns=3.6\n");
    page.UseWall = false;
    OpenPageFromList(program.paths, "Home", page, columns, marks);
    EXPECT_EQ(page.WallFile, "wall.jpg");
    EXPECT_TRUE(page.UseWall);
    EXPECT_EQ(page.Columns, 4);
}

TEST_F(PageFileTest, AnUnreadablePageOpensWithThreeEmptyColumns)
{
    page.Columns = 5;
    OpenPageFromList(program.paths, "Missing", page, columns, marks);
    EXPECT_EQ(page.Columns, 3);
    for (const auto& list : columns) EXPECT_TRUE(list.empty());
}

TEST_F(PageFileTest, SavingColumnsKeepsKeysBeyondTheNewCount)
{
    PutPage("Home", "[Main]\r\nColumns=3\r\n");
    SetPageNames(program.paths, "Home", page);
    columns[0] = {"A", "B", "C", "D", "E"};
    ASSERT_TRUE(SaveColumns(page, columns));
    columns[0] = {"E", "Grüße", "A"};
    ASSERT_TRUE(SaveColumns(page, columns));

    EXPECT_EQ(ReadIni("Spalte1", "Count", page.PageFile), "3");
    EXPECT_EQ(ReadIni("Spalte1", "Eintrag2", page.PageFile), "Grüße");
    EXPECT_EQ(ReadIni("Spalte1", "Eintrag5", page.PageFile), "E");
    EXPECT_EQ(ReadIni("Spalte6", "Count", page.PageFile), "0");

    ColumnLists reopened;
    OpenPageAtStartUp(program.paths, "Home", page, reopened, marks);
    EXPECT_EQ(reopened[0], columns[0]);
}

TEST_F(PageFileTest, AppendEntryWritesCountAndTheTransliteratedName)
{
    PutPage("Home", "[Main]\r\nColumns=3\r\n");
    SetPageNames(program.paths, "Home", page);
    ASSERT_TRUE(AppendEntry(page, 2, 4, "Grüße"));
    EXPECT_EQ(program.dir.Take("PnwFiles/Home.pnw"), "[Main]\r\nColumns=3\r\n[Spalte2]\r\nCount=4\r\nEintrag4=Gruesse\r\n");
}
