#include "common/Ini.h"
#include "document/PageDecorations.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

// What the decoration windows store in the page file is tested with the windows.
class PageDecorationsTest : public testing::Test {
protected:
    PageDecorationsTest()
    {
        program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n");
        SetPageNames(program.paths, "Home", page);
    }
    ProgramFolder program;
    PageState page;
};

TEST_F(PageDecorationsTest, ChosenListsRoundTripAndOnlyTheCountDecides)
{
    EXPECT_TRUE(ReadChosenList(page, kBannerSection).empty());
    ASSERT_TRUE(StoreChosenList(page, kBannerSection, {"Wetter", "Süd West"}));
    EXPECT_EQ(ReadChosenList(page, kBannerSection), (std::vector<std::string>{"Wetter", "Süd West"}));

    WriteIni(kHeaderSection, "Count", "2", page.PageFile);
    WriteIni(kHeaderSection, "Entry1", "Wikipedia", page.PageFile);
    EXPECT_EQ(ReadChosenList(page, kHeaderSection), (std::vector<std::string>{"Wikipedia", ""}));
}

TEST_F(PageDecorationsTest, StoresKeepThePageInMemoryInStepWithTheFile)
{
    page.UseWall = page.UseBack = true;
    ASSERT_TRUE(StoreHeaderLine(page, {}, "", false));
    ASSERT_TRUE(StoreBackground(page, "_back02.gif", false));
    EXPECT_FALSE(page.UseWall || page.UseBack);
    EXPECT_EQ(ReadIni("Main", "UseWall", page.PageFile) + ReadIni("Main", "UseBack", page.PageFile), "00");
}
