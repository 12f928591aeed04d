// The header line editor: choosing forms once each, their order, the wallpaper and its use.
#include "DecorationFixture.h"

#include "editor/HeadWindow.h"

class HeadWindowTest : public DecorationTest {
protected:
    HeadWindowTest()
    {
        Put("Forms/Wikipedia.form", "<form></form>\r\n");
        Put("Forms/DuckDuckGo.form");
        Put("Forms/form_wikipedia.gif");
        Picture("Back/_wall01.gif", Qt::red);
        Picture("Back/_wall02.jpg", Qt::blue);
        Picture("Back/_back01.gif", Qt::green);
    }

    QListWidget& Forms() const { return Child<QListWidget>("File1"); }
    QListWidget& Chosen() const { return Child<QListWidget>("List1"); }
    QListWidget& Wallpapers() const { return Child<QListWidget>("File2"); }

    std::unique_ptr<frmHead> head;
};

TEST_F(HeadWindowTest, FormsAreChosenOnceInOrderAndStoredWithTheWallpaper)
{
    PageKey("DirectSearch", "Count", "1");
    PageKey("DirectSearch", "Entry1", "Gone");
    context.Page.WallFile = "_WALL02.JPG";
    Show(head);
    EXPECT_EQ(Texts(Forms()), QStringList({"DuckDuckGo.form", "Wikipedia.form"}));
    EXPECT_EQ(Texts(Chosen()), QStringList{"Gone"});  // a vanished form stays chosen
    EXPECT_EQ(Texts(Wallpapers()), QStringList({"_wall01.gif", "_wall02.jpg"}));
    EXPECT_EQ(SelectedRow(Wallpapers()), 1);
    EXPECT_EQ(PreviewPixel(Child<QLabel>("Picture2"), 10, 7), QColor(Qt::blue));  // tiled past one picture

    ClickItem(Forms(), "Wikipedia.form");
    Press("ccXPButton3");
    Press("ccXPButton3");
    ClickItem(Forms(), "DuckDuckGo.form");
    Press("ccXPButton3");
    EXPECT_EQ(Texts(Chosen()), QStringList({"Gone", "Wikipedia", "DuckDuckGo"}));

    ClickItem(Chosen(), "DuckDuckGo");
    emit Child<ccXPButton>("ccXPButton4").Click();
    emit Child<ccXPButton>("ccXPButton4").DblClick();  // a double click moves once more
    ClickItem(Chosen(), "Gone");
    Press("ccXPButton2");
    EXPECT_EQ(Texts(Chosen()), QStringList({"DuckDuckGo", "Wikipedia"}));

    Press("ccXPButton1");
    EXPECT_FALSE(head->isVisible());
    EXPECT_EQ(PageValue("DirectSearch", "Count"), "2");
    EXPECT_EQ(PageValue("DirectSearch", "Entry1"), "DuckDuckGo");
    EXPECT_EQ(PageValue("DirectSearch", "Entry2"), "Wikipedia");
    EXPECT_EQ(PageValue("Main", "WallFile"), "_wall02.jpg");
    EXPECT_EQ(PageValue("Main", "UseWall"), "1");
    EXPECT_EQ(context.Page.WallFile, "_wall02.jpg");
}

TEST_F(HeadWindowTest, AnEmptyListWithoutWallpaperStoresCountZeroAndAnEmptyWallFile)
{
    PageKey("DirectSearch", "Count", "1");
    PageKey("DirectSearch", "Entry1", "Wikipedia");
    context.Page.WallFile = "_wall09.gif";  // not in the folder: nothing selected
    Show(head);
    EXPECT_EQ(SelectedRow(Wallpapers()), -1);
    EXPECT_FALSE(PreviewPixel(Child<QLabel>("Picture2")).isValid());
    Press("ccXPButton2");  // nothing selected in the list: nothing removed
    ClickItem(Chosen(), "Wikipedia");
    Press("ccXPButton2");
    Press("ccXPButton1");
    EXPECT_EQ(PageValue("DirectSearch", "Count"), "0");
    EXPECT_EQ(PageValue("DirectSearch", "Entry1"), "Wikipedia");  // unused above the count
    EXPECT_EQ(context.Page.WallFile, "");
    EXPECT_NE(program.dir.Take("PnwFiles/Test.pnw").find("\r\nWallFile=\r\n"), std::string::npos);
}

TEST_F(HeadWindowTest, TheUseBoxWritesUseWallAtOnceAndClosingKeepsNothingElse)
{
    context.Page.WallFile = "_wall01.gif";
    context.Page.UseWall = false;
    Show(head);
    QCheckBox& use = Child<QCheckBox>("chkBack");
    QLabel& preview = Child<QLabel>("Picture2");
    EXPECT_FALSE(use.isChecked());  // unticked when the page does not use it, preview empty
    EXPECT_FALSE(PreviewPixel(preview).isValid());
    EXPECT_EQ(SelectedRow(Wallpapers()), 0);

    ClickBox(use);
    EXPECT_EQ(PageValue("Main", "UseWall"), "1");
    EXPECT_TRUE(context.Page.UseWall);
    EXPECT_EQ(PreviewPixel(preview), QColor(Qt::red));
    ClickBox(use);
    EXPECT_EQ(PageValue("Main", "UseWall"), "0");
    EXPECT_FALSE(PreviewPixel(preview).isValid());

    // A wallpaper click ticks the box, which runs its click: the use is written too.
    ClickItem(Wallpapers(), "_wall02.jpg");
    EXPECT_TRUE(use.isChecked());
    EXPECT_EQ(PageValue("Main", "UseWall"), "1");
    EXPECT_EQ(PreviewPixel(preview), QColor(Qt::blue));

    ClickItem(Forms(), "Wikipedia.form");
    Press("ccXPButton3");
    head->close();
    EXPECT_EQ(PageValue("DirectSearch", "Count"), "");
    EXPECT_EQ(PageValue("Main", "WallFile"), "");
    EXPECT_EQ(context.Page.WallFile, "_wall01.gif");
}
