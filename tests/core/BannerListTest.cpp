#include "common/Ini.h"
#include "document/BannerList.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

using Files = std::vector<std::string>;

TEST(BannerList, OfferedPicturesNeedTwoFilesAndLeaveOutTheBackground)
{
    EXPECT_TRUE(AvailableBanners({"Wetter.gif"}).empty());
    EXPECT_TRUE(AvailableBanners({"bn_back.gif"}).empty());
    EXPECT_EQ(AvailableBanners({"bn_back.gif", "Wetter.gif"}), Files{"Wetter.gif"});
    EXPECT_EQ(AvailableBanners({"A.jpg", "BN_Back.GIF", "Z.gif"}), (Files{"A.jpg", "Z.gif"}));
    EXPECT_EQ(BannerName("Süd West.jpg"), "Süd West");
}

TEST(BannerList, TextsAreStoredUnderTheUnchangedNameWithTheNameAsMissingInfo)
{
    ProgramFolder program;
    const std::string& file = program.paths.BannersFile;
    BannerText text = ReadBannerText(file, "Grün");
    EXPECT_EQ(text.link, "");
    EXPECT_EQ(text.info, kInfoPlaceholder);

    ASSERT_TRUE(StoreBannerText(file, "Grün", {"www.gruen.de", kInfoPlaceholder}));
    ASSERT_TRUE(StoreBannerText(file, "Blau", {"", ""}));
    ASSERT_TRUE(StoreBannerText(file, "Rot", {"http://rot", "Rote Seite"}));
    EXPECT_EQ(program.dir.Take("Banner/Banners.txt"),
              "[Gr\xFCn]\r\nLink=www.gruen.de\r\nInfo=Gr\xFCn\r\n"
              "[Blau]\r\nLink=\r\nInfo=Blau\r\n"
              "[Rot]\r\nLink=http://rot\r\nInfo=Rote Seite\r\n");
    text = ReadBannerText(file, "Rot");
    EXPECT_EQ(text.link, "http://rot");
    EXPECT_EQ(text.info, "Rote Seite");
}

TEST(BannerList, ChosenBannerPicturesPreferGifAndStayInTheFolder)
{
    ProgramFolder program;
    const std::string& folder = program.paths.BannerFolder;
    program.dir.Put("Banner/A.gif", "GIF");
    program.dir.Put("Banner/A.jpg", "JPG");
    program.dir.Put("Banner/B.jpg", "JPG");
    program.dir.Put("outside.gif", "GIF");
    EXPECT_EQ(BannerPicture(folder, "A"), folder + "A.gif");
    EXPECT_EQ(BannerPicture(folder, "B"), folder + "B.jpg");
    EXPECT_EQ(BannerPicture(folder, "C"), "");
    EXPECT_EQ(BannerPicture(folder, "../outside"), "");
}

TEST(BannerList, PastedLinksAreRecognisedWithoutRegardToCase)
{
    for (const char* text : {"http://a", "HTTPS://a", "WWW.example.de", "file:///tmp/x", "www."})
        EXPECT_TRUE(IsPastedLink(text)) << text;
    for (const char* text : {"ftp://a", "", "ww", " http://a", "mailto:a@b"})
        EXPECT_FALSE(IsPastedLink(text)) << text;
}
