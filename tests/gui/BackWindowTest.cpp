// The background chooser: the offered pictures, the preview, and the choice stored on closing.
#include "DecorationFixture.h"

#include "editor/BackWindow.h"
#include "editor/PictureChoice.h"

class BackWindowTest : public DecorationTest {
protected:
    BackWindowTest()
    {
        Picture("Back/_back01.gif", Qt::green);
        Picture("Back/_Back02.JPEG", Qt::yellow);
        Picture("Back/_wall01.gif", Qt::red);
        Picture("Back/other.gif", Qt::black);
    }
    QListWidget& Pictures() const { return *back->Choice()->Pictures(); }
    QCheckBox& Use() const { return *back->Choice()->UseBox(); }
    QLabel& Preview() const { return *back->Choice()->Preview(); }

    std::unique_ptr<frmBack> back;
};

TEST_F(BackWindowTest, ClosingStoresThePictureStillSelectedAndTheUse)
{
    context.Page.BackFile = "_back01.gif";
    Show(back);
    EXPECT_EQ(Texts(Pictures()), QStringList({"_back01.gif", "_Back02.JPEG", "_wall01.gif"}));
    EXPECT_EQ(SelectedRow(Pictures()), 0);
    EXPECT_TRUE(Use().isChecked());
    EXPECT_EQ(PreviewPixel(Preview(), 12, 9), QColor(Qt::green));

    ClickItem(Pictures(), "_wall01.gif");  // a wallpaper serves as background as well
    EXPECT_EQ(PreviewPixel(Preview()), QColor(Qt::red));
    ClickBox(Use());
    EXPECT_FALSE(PreviewPixel(Preview()).isValid());
    EXPECT_FALSE(context.Page.UseBack);
    EXPECT_EQ(PageValue("Main", "UseBack"), "");  // nothing written before the window closes

    back->close();
    EXPECT_EQ(PageValue("Main", "BackFile"), "_wall01.gif");
    EXPECT_EQ(PageValue("Main", "UseBack"), "0");
    EXPECT_EQ(context.Page.BackFile, "_wall01.gif");

    // Opened again without the use: unticked, nothing shown, and a click on the box shows it.
    Show(back);
    EXPECT_FALSE(Use().isChecked());
    EXPECT_FALSE(PreviewPixel(Preview()).isValid());
    EXPECT_EQ(SelectedRow(Pictures()), 2);
    ClickBox(Use());
    EXPECT_EQ(PreviewPixel(Preview()), QColor(Qt::red));
    EXPECT_TRUE(context.Page.UseBack);
}

TEST_F(BackWindowTest, APictureThatIsGoneIsStoredAsAnEmptyNameOnClosing)
{
    context.Page.BackFile = "gone.gif";
    Show(back);
    EXPECT_EQ(SelectedRow(Pictures()), -1);
    back->close();
    EXPECT_NE(program.dir.Take("PnwFiles/Test.pnw").find("\r\nBackFile=\r\nUseBack=1\r\n"), std::string::npos);
}
