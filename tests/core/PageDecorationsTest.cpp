#include "common/Ini.h"
#include "document/PageDecorations.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

class PageDecorationsTest : public testing::Test {
protected:
    PageDecorationsTest()
    {
        program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n");
        SetPageNames(program.paths, "Home", page);
    }
    std::string PageText() const { return program.dir.Take("PnwFiles/Home.pnw"); }

    ProgramFolder program;
    PageState page;
};

TEST_F(PageDecorationsTest, ChosenListsRoundTripAndOnlyTheCountDecides)
{
    EXPECT_TRUE(ReadChosenList(page, kBannerSection).empty());
    ASSERT_TRUE(StoreChosenList(page, kBannerSection, {"Wetter", "Süd West", "B"}));
    ASSERT_TRUE(StoreChosenList(page, kBannerSection, {"B"}));
    EXPECT_EQ(ReadChosenList(page, kBannerSection), std::vector<std::string>{"B"});
    EXPECT_EQ(ReadIni(kBannerSection, "Entry2", page.PageFile), "Süd West");  // stays, unused

    ASSERT_TRUE(StoreChosenList(page, kFooterSection, {}));
    EXPECT_EQ(ReadIni(kFooterSection, "Count", page.PageFile), "0");
    EXPECT_TRUE(ReadChosenList(page, kFooterSection).empty());

    WriteIni(kHeaderSection, "Count", "2", page.PageFile);
    WriteIni(kHeaderSection, "Entry1", "Wikipedia", page.PageFile);
    EXPECT_EQ(ReadChosenList(page, kHeaderSection), (std::vector<std::string>{"Wikipedia", ""}));
}

TEST_F(PageDecorationsTest, HeaderAndBackgroundStoresWriteMemoryAndFile)
{
    page.WallFile = "_wall01.gif";
    ASSERT_TRUE(StoreHeaderLine(page, {"Wikipedia", "DuckDuckGo"}, "", false));
    EXPECT_EQ(page.WallFile, "");
    EXPECT_FALSE(page.UseWall);
    EXPECT_EQ(PageText(), "[Main]\r\nColumns=3\r\nWallFile=\r\nUseWall=0\r\n"
                          "[DirectSearch]\r\nCount=2\r\nEntry1=Wikipedia\r\nEntry2=DuckDuckGo\r\n");

    ASSERT_TRUE(StoreUseWall(page, true));
    EXPECT_TRUE(page.UseWall);
    EXPECT_EQ(ReadIni("Main", "UseWall", page.PageFile), "1");

    ASSERT_TRUE(StoreBackground(page, "_back02.gif", false));
    EXPECT_EQ(page.BackFile, "_back02.gif");
    EXPECT_FALSE(page.UseBack);
    EXPECT_EQ(ReadIni("Main", "BackFile", page.PageFile), "_back02.gif");
    EXPECT_EQ(ReadIni("Main", "UseBack", page.PageFile), "0");
}

TEST(PageDecorationNames, FormNamesAndPictureRows)
{
    EXPECT_EQ(FormName("Wikipedia.form"), "Wikipedia");
    EXPECT_EQ(FormName(".form"), "");
    const std::vector<std::string> files{"_back01.gif", "_WALL02.GIF", "_wall03.gif"};
    EXPECT_EQ(FindPictureRow(files, "_wall02.gif"), 1);
    EXPECT_EQ(FindPictureRow(files, "_Back01.Gif"), 0);
    EXPECT_EQ(FindPictureRow(files, "gone.gif"), -1);
    EXPECT_EQ(FindPictureRow(files, ""), -1);
}
