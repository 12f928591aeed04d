#include "document/BannerList.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

// The banner window's tests cover reading and storing through the window; here the cases it
// does not reach.
using Files = std::vector<std::string>;

TEST(BannerList, OfferedPicturesLeaveOutTheBackgroundWhateverItsCase)
{
    EXPECT_TRUE(AvailableBanners({"bn_back.gif"}).empty());
    EXPECT_EQ(AvailableBanners({"A.jpg", "BN_Back.GIF", "Z.gif"}), (Files{"A.jpg", "Z.gif"}));
    EXPECT_EQ(BannerName("Süd West.jpg"), "Süd West");
}

TEST(BannerList, TextsAreStoredUnderTheUnchangedNameWithTheNameAsMissingInfo)
{
    ProgramFolder program;
    const std::string& file = program.paths.BannersFile;
    ASSERT_TRUE(StoreBannerText(file, "Grün", {"www.gruen.de", kInfoPlaceholder}));
    ASSERT_TRUE(StoreBannerText(file, "Blau", {"", ""}));
    ASSERT_TRUE(StoreBannerText(file, "Rot", {"http://rot", "Rote Seite"}));
    EXPECT_EQ(program.dir.Take("Banner/Banners.txt"),
              "[Gr\xFCn]\r\nLink=www.gruen.de\r\nInfo=Gr\xFCn\r\n"
              "[Blau]\r\nLink=\r\nInfo=Blau\r\n"
              "[Rot]\r\nLink=http://rot\r\nInfo=Rote Seite\r\n");
}

TEST(BannerList, ChosenBannerPicturesPreferGifAndStayInTheFolder)
{
    ProgramFolder program;
    const std::string& folder = program.paths.BannerFolder;
    program.dir.Put("Banner/A.gif", "GIF");
    program.dir.Put("Banner/A.jpg", "JPG");
    program.dir.Put("outside.gif", "GIF");
    EXPECT_EQ(BannerPicture(folder, "A"), folder + "A.gif");
    EXPECT_EQ(BannerPicture(folder, "../outside"), "");
}

TEST(BannerList, PastedLinksAreRecognisedWithoutRegardToCase)
{
    for (const char* text : {"http://a", "HTTPS://a", "WWW.example.de", "file:///tmp/x", "www."})
        EXPECT_TRUE(IsPastedLink(text)) << text;
    for (const char* text : {"ftp://a", "", "ww", " http://a", "mailto:a@b"})
        EXPECT_FALSE(IsPastedLink(text)) << text;
}
