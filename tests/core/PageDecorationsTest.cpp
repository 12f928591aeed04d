#include "common/Ini.h"
#include "document/PageDecorations.h"
#include "document/PageFile.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

// Storing through the decoration windows is tested with the windows; here the reading of lists
// the windows never wrote.
TEST(PageDecorationsTest, ChosenListsRoundTripAndOnlyTheCountDecides)
{
    ProgramFolder program;
    program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n");
    PageState page;
    SetPageNames(program.paths, "Home", page);

    EXPECT_TRUE(ReadChosenList(page, kBannerSection).empty());
    ASSERT_TRUE(StoreChosenList(page, kBannerSection, {"Wetter", "Süd West"}));
    EXPECT_EQ(ReadChosenList(page, kBannerSection), (std::vector<std::string>{"Wetter", "Süd West"}));

    WriteIni(kHeaderSection, "Count", "2", page.PageFile);
    WriteIni(kHeaderSection, "Entry1", "Wikipedia", page.PageFile);
    EXPECT_EQ(ReadChosenList(page, kHeaderSection), (std::vector<std::string>{"Wikipedia", ""}));
}
