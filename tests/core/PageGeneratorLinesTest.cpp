// The header, banner and footer lines of a generated page, their forms and banners.
#include "PageGeneratorFixture.h"

#include "output/HeaderForms.h"
#include "output/PageLayout.h"

namespace {

class PageGeneratorLinesTest : public PageGeneratorFixture {
protected:
    void Forms(int count)
    {
        std::vector<std::string> names;
        for (int i = 1; i <= count; ++i) {
            // Appended, not "f" + std::to_string(i): GCC 12 at -O3 sees a false overlap there.
            const std::string number = std::to_string(i);
            names.push_back(std::string("f").append(number));
            program.dir.Put("Forms/f" + number + ".form", "<form>" + number + "</form>\r\n");
        }
        List("DirectSearch", names);
    }
    std::string HeaderLine(const std::string& html) { return Slice(html, "<table border=\"0\" align=\"center\" bgcolor", "<br />\r\n"); }
};

TEST(PageLayout, LimitsAndPreviewSizesFollowTheColumnCount)
{
    const int forms[] = {2, 3, 3, 4, 5};
    const int banners[] = {1, 2, 2, 3, 3};
    for (int columns = 2; columns <= 6; ++columns) {
        EXPECT_EQ(FormsPerRow(columns), forms[columns - 2]) << columns;
        EXPECT_EQ(BannersPerRow(columns), banners[columns - 2]) << columns;
    }
    EXPECT_EQ(PreviewWindowSize(2), std::nullopt);
    EXPECT_EQ(PreviewWindowSize(3), (PreviewSize{1019, 729}));
    EXPECT_EQ(PreviewWindowSize(4), (PreviewSize{1275, 988}));
    EXPECT_EQ(PreviewWindowSize(5), (PreviewSize{1469, 959}));
    EXPECT_EQ(PreviewWindowSize(6), (PreviewSize{1683, 1022}));
    EXPECT_EQ(FormsPerRow(0), 2);  // out-of-range counts behave like the nearest valid one
    EXPECT_EQ(BannersPerRow(9), 3);
}

TEST(HeaderFormFile, DirectivesAreTakenOutOfTheHtml)
{
    const HeaderForm form = ParseHeaderForm("<form>\r\nwidth=400\nImage=Logo.GIF\r<input>\r\nWIDTH=\"x\r\nIMAGE=b.gif\r\nlast");

    EXPECT_EQ(form.text, "<form>\r\n<input>\r\nlast\r\n");
    EXPECT_EQ(form.widthAttribute, "width=\"\"x\" ");  // the last one wins, taken as it stands
    EXPECT_EQ(form.images, (std::vector<std::string>{"Logo.GIF", "b.gif"}));
    EXPECT_EQ(ParseHeaderForm("").text, "");
    EXPECT_EQ(ParseHeaderForm("a\r\n\r\nb\r\n").text, "a\r\n\r\nb\r\n");
}

TEST_F(PageGeneratorLinesTest, FiveFormsInFourColumnsMakeTwoRowsOf320)
{
    page.Columns = 4;
    Forms(5);

    const std::string html = Generate();

    const std::string cell = "<td width=\"320\" valign=\"top\">\r\n\r\n\r\n";
    const std::string row = "<table border=\"0\" align=\"center\" bgcolor=\"white\"><tr>";
    const std::string expected = row + cell + "<form>1</form>\r\n\r\n\r\n</td>" + cell + "<form>2</form>\r\n\r\n\r\n</td>" +
                                 cell + "<form>3</form>\r\n\r\n\r\n</td></tr></table>" + row + cell +
                                 "<form>4</form>\r\n\r\n\r\n</td>" + cell +
                                 "<form>5</form>\r\n\r\n\r\n</td></tr></table><br />\r\n\r\n\r\n";
    EXPECT_NE(html.find("<br />\r\n\r\n\r\n" + expected + "<table border=\"0\" align=\"center\"><tr><td width=\"321\""),
              std::string::npos);
}

TEST_F(PageGeneratorLinesTest, FewerFormsThanARowHoldsGet482)
{
    page.Columns = 6;
    Forms(2);

    const std::string header = HeaderLine(Generate());

    EXPECT_EQ(Occurrences(header, "<td width=\"482\" valign=\"top\">"), 2);
    EXPECT_EQ(Occurrences(header, "<table"), 1);
}

TEST_F(PageGeneratorLinesTest, FullRowGets320)
{
    page.Columns = 2;
    Forms(2);

    EXPECT_EQ(Occurrences(HeaderLine(Generate()), "<td width=\"320\" valign=\"top\">"), 2);
}

TEST_F(PageGeneratorLinesTest, FormFileWidthAndPicturesAreUsed)
{
    page.Columns = 3;
    List("DirectSearch", {"suche", "karte", "fehlt"});
    program.dir.Put("Forms/suche.form", "width=400\r\nIMAGE=Knopf.GIF\r\n<img src=\"images/knopf.gif\">\r\n");
    program.dir.Put("Forms/karte.form", "IMAGE=Knopf.GIF\r\nIMAGE=gone.gif\r\n<p>Karte \xE4</p>\r\n");
    program.dir.Put("Forms/Knopf.GIF", "knopf");

    const std::string header = HeaderLine(Generate());

    EXPECT_NE(header.find("<td width=\"400\" valign=\"top\">\r\n\r\n\r\n<img src=\"images/knopf.gif\">\r\n\r\n\r\n</td>"),
              std::string::npos);
    EXPECT_NE(header.find("<td width=\"320\" valign=\"top\">\r\n\r\n\r\n<p>Karte ä</p>\r\n\r\n\r\n</td>"), std::string::npos);
    // A missing form file leaves an empty cell in its place.
    EXPECT_NE(header.find("<td width=\"320\" valign=\"top\">\r\n\r\n\r\n\r\n\r\n</td></tr></table>"), std::string::npos);
    EXPECT_EQ(header.find("IMAGE="), std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("knopf.gif")), "knopf");
    EXPECT_FALSE(program.dir.Has(Image("gone.gif")));
}

TEST_F(PageGeneratorLinesTest, BannerLineStartsWithABreakOnlyAfterForms)
{
    List("Banner", {"Eins"});
    List("Footer", {"Zwei"});

    const std::string plain = Generate();
    EXPECT_NE(plain.find("<br />\r\n\r\n\r\n<table border=\"0\" align=\"center\"><tr><td width=\"490\""), std::string::npos);

    Forms(1);
    const std::string withForms = Generate();
    EXPECT_NE(withForms.find("</tr></table><br />\r\n\r\n\r\n<br /><table border=\"0\" align=\"center\"><tr><td width=\"490\""),
              std::string::npos);
    // The footer follows the columns directly.
    EXPECT_NE(withForms.find("</p></td></tr></table>\r\n\r\n\r\n<table border=\"0\" align=\"center\"><tr><td width=\"490\""),
              std::string::npos);
}

TEST_F(PageGeneratorLinesTest, BannersShowTheirPictureOrTheirName)
{
    page.Columns = 5;
    List("Banner", {"Mein Banner", "Foto", "Nur Text", "Ohne Eintrag"});
    program.dir.Put("Banner/Mein Banner.gif", "gif");
    program.dir.Put("Banner/Mein Banner.jpg", "jpg");
    program.dir.Put("Banner/Foto.jpg", "foto");
    program.dir.Put("Banner/Banners.txt",
                    "[Mein Banner]\r\nLink=example.org/m\r\nInfo=Mein \"Info\"\r\n[Foto]\r\nLink=https://foto.example\r\n"
                    "[Nur Text]\r\nLink=www.text.example\r\n");

    const std::string html = Generate();

    const std::string open = "<td width=\"490\" valign=\"top\"><p align=\"center\">\r\n\r\n";
    EXPECT_NE(html.find("<table border=\"0\" align=\"center\"><tr>" + open +
                        "<a href=\"http://example.org/m\" target=\"_blank\"><img src=\"images/Mein_Banner.gif\" "
                        "border=\"0\" alt=\"Mein &quot;Info&quot;\"></a></p>\r\n\r\n</td>" + open +
                        "<a href=\"https://foto.example\" target=\"_blank\"><img src=\"images/Foto.jpg\" border=\"0\" "
                        "alt=\"Foto\"></a></p>\r\n\r\n</td>" + open +
                        "<font face=\"Arial\" size=\"5\"><a href=\"http://www.text.example\" target=\"_blank\">Nur Text"
                        "</a></font></p>\r\n\r\n</td></tr></table><br /><table border=\"0\" align=\"center\"><tr>" + open +
                        "<font face=\"Arial\" size=\"5\"><a href=\"http://\" target=\"_blank\">Ohne Eintrag</a></font>"
                        "</p>\r\n\r\n</td></tr></table><br /><br />\r\n\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("Mein_Banner.gif")), "gif");
    EXPECT_EQ(program.dir.Take(Image("Foto.jpg")), "foto");
    EXPECT_FALSE(program.dir.Has(Image("Mein_Banner.jpg")));
}

TEST_F(PageGeneratorLinesTest, BannerWithUmlautsIsFoundUnderItsOwnName)
{
    List("Footer", {"Grüße"});
    program.dir.Put("Banner/Banners.txt", "[Gr\xFC\xDF" "e]\r\nLink=gruss.example\r\nInfo=Hallo\r\n");
    program.dir.Put("Banner/Grüße.gif", "g");

    const std::string html = Generate();

    EXPECT_NE(html.find("<a href=\"http://gruss.example\" target=\"_blank\"><img src=\"images/Grüße.gif\" border=\"0\" "
                        "alt=\"Hallo\">"),
              std::string::npos);
}

TEST_F(PageGeneratorLinesTest, FooterRowsHoldTheirLimit)
{
    page.Columns = 2;  // one banner per row
    List("Footer", {"a", "b", "c"});

    const std::string html = Generate();

    EXPECT_EQ(Occurrences(html, "</tr></table><br /><table border=\"0\" align=\"center\"><tr><td width=\"490\""), 2);
    EXPECT_TRUE(html.ends_with(">c</a></font></p>\r\n\r\n</td></tr></table><br /><br />\r\n\r\n\r\n</font>\r\n</BODY>\r\n</HTML>\r\n\r\n"));
}

} // namespace

TEST_F(PageGeneratorLinesTest, FilesAreFoundWhateverTheCaseOfTheirNamesAndCopiedUnderThePagesNames)
{
    page.UseBack = true;
    page.BackFile = "_Back01.gif";
    program.dir.Put("Back/_back01.GIF", "back");
    List("DirectSearch", {"Such"});
    program.dir.Put("Forms/Such.FORM", "IMAGE=Lupe.gif\r\n<form>such</form>\r\n");
    program.dir.Put("Forms/LUPE.GIF", "lupe");
    List("Banner", {"Foo"});
    program.dir.Put("Banner/Foo.GIF", "foo");
    // The exact name first, else the first in name order that differs only in case.
    columns[0] = {"Genau", "Ungefaehr"};
    Entry("Genau", "example.org", "", "genau.jpg");
    program.dir.Put("Library/genau.jpg", "exact");
    program.dir.Put("Library/GENAU.jpg", "other case");
    Entry("Ungefaehr", "example.org", "", "Logo.jpg");
    program.dir.Put("Library/logo.JPG", "second");
    program.dir.Put("Library/LOGO.jpg", "first");

    const std::string html = Generate();

    EXPECT_NE(html.find("<form>such</form>"), std::string::npos);
    EXPECT_NE(html.find("<img src=\"images/Foo.gif\" border=\"0\" alt=\"Foo\">"), std::string::npos);
    EXPECT_NE(html.find("<img src=\"images/Logo.jpg\""), std::string::npos);
    EXPECT_EQ(program.dir.Take(Image("back.gif")), "back");
    EXPECT_EQ(program.dir.Take(Image("lupe.gif")), "lupe");
    EXPECT_EQ(program.dir.Take(Image("Foo.gif")), "foo");
    EXPECT_EQ(program.dir.Take(Image("genau.jpg")), "exact");
    EXPECT_EQ(program.dir.Take(Image("Logo.jpg")), "first");
}
