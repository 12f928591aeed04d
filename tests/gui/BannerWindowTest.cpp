// The banner and footer line editors: the offered pictures, each banner's link and info in the
// banner list, the line's chosen banners, and the clipboard watcher.
#include "DecorationFixture.h"

#include "common/Ini.h"
#include "editor/BannerWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

class BannerWindowTest : public DecorationTest {
protected:
    QListWidget& Found() const { return Child<QListWidget>("lstFoundBanners"); }
    QListWidget& Chosen() const { return Child<QListWidget>("lstBanners"); }
    QLineEdit& Link() const { return Child<QLineEdit>("txtLink"); }
    QLineEdit& Info() const { return Child<QLineEdit>("txtInfo"); }
    std::string Banners(const char* section, const char* key) const { return ReadIni(section, key, context.Paths.BannersFile); }
    static void Type(QLineEdit& box, const QString& text)
    {
        box.setFocus();
        box.selectAll();
        QTest::keyClicks(&box, text);
    }

    std::unique_ptr<frmBanner> window_;
};

TEST_F(BannerWindowTest, OfferedBannersNeedTwoPicturesAndLeaveOutTheBackground)
{
    Picture("Banner/Wetter.gif", Qt::red);
    Show(window_, BannerLine::Banner);
    EXPECT_EQ(Found().count(), 0);  // one picture alone offers nothing

    Picture("Banner/bn_back.gif", Qt::gray);
    Child<QPushButton>("cmdLoadBanners").click();
    EXPECT_EQ(Texts(Found()), QStringList{"Wetter.gif"});

    Picture("Banner/Zoo.jpg", Qt::blue);
    Put("Banner/Banners.txt", "[Wetter]\r\nLink=x\r\n");
    Child<QPushButton>("cmdLoadBanners").click();
    EXPECT_EQ(Texts(Found()), QStringList({"Wetter.gif", "Zoo.jpg"}));

    ClickItem(Found(), "Zoo.jpg");
    Press("ccXPButton4");
    Press("ccXPButton4");
    EXPECT_EQ(Texts(Chosen()), QStringList{"Zoo"});
    EXPECT_FALSE(Child<QLabel>("picBanner").pixmap().isNull());
}

TEST_F(BannerWindowTest, ALinkEditedIsStoredWhenAnotherBannerIsPicked)
{
    Picture("Banner/A.gif", Qt::red);
    Picture("Banner/B.jpg", Qt::blue);
    Picture("Banner/C.gif", Qt::green);
    Put("Banner/Banners.txt", "[A]\r\nLink=a.de\r\nInfo=Info A\r\n");
    PageKey("Banner", "Count", "2");
    PageKey("Banner", "Entry1", "B");
    PageKey("Banner", "Entry2", "Gone");
    Show(window_, BannerLine::Banner);

    ClickItem(Found(), "A.gif");
    EXPECT_EQ(Link().text(), "a.de");
    EXPECT_EQ(Info().text(), "Info A");
    Type(Link(), "www.neu.de");
    EXPECT_EQ(Banners("A", "Link"), "a.de");  // not yet

    ClickItem(Chosen(), "B");
    EXPECT_EQ(Banners("A", "Link"), "www.neu.de");
    EXPECT_EQ(Banners("A", "Info"), "Info A");
    EXPECT_EQ(Link().text(), "");
    EXPECT_EQ(Info().text(), "(optional)");
    EXPECT_FALSE(Child<QLabel>("picBanner").pixmap().isNull());  // B.jpg, found for the chosen name

    // Clicking into the placeholder empties it, and keeps the link typed before as a change.
    Type(Link(), "b.de");
    QTest::mouseClick(&Info(), Qt::LeftButton);
    EXPECT_EQ(Info().text(), "");
    ClickItem(Found(), "C.gif");  // unchanged afterwards: C is not written
    ClickItem(Chosen(), "Gone");
    EXPECT_EQ(Banners("B", "Link"), "b.de");
    EXPECT_EQ(Banners("B", "Info"), "B");  // an empty info stores the name
    EXPECT_EQ(program.dir.Take("Banner/Banners.txt").find("[C]"), std::string::npos);
    EXPECT_TRUE(Child<QLabel>("picBanner").pixmap().isNull());  // no picture of that name
}

TEST_F(BannerWindowTest, StoringWritesTheLineAndClosingThroughTheTitleBarKeepsThePage)
{
    Picture("Banner/A.gif", Qt::red);
    Picture("Banner/B.gif", Qt::blue);
    PageKey("Banner", "Count", "1");
    PageKey("Banner", "Entry1", "A");
    PageKey("Footer", "Count", "1");
    PageKey("Footer", "Entry1", "B");

    Show(window_, BannerLine::Footer);
    EXPECT_EQ(Texts(Chosen()), QStringList{"B"});
    ClickItem(Found(), "A.gif");
    Press("ccXPButton4");
    Type(Info(), "Banner A");
    ClickItem(Chosen(), "B");
    Press("ccXPButton6");  // B moves below A
    EXPECT_EQ(Texts(Chosen()), QStringList({"A", "B"}));
    emit Child<ccXPButton>("ccXPButton5").DblClick();  // B back on top
    Type(Link(), "b.de");
    Press("ccXPButton2");
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(PageValue("Footer", "Count"), "2");
    EXPECT_EQ(PageValue("Footer", "Entry1"), "B");
    EXPECT_EQ(PageValue("Footer", "Entry2"), "A");
    EXPECT_EQ(PageValue("Banner", "Entry1"), "A");  // the other line stays
    EXPECT_EQ(Banners("A", "Info"), "Banner A");
    EXPECT_EQ(Banners("B", "Link"), "b.de");  // the pending edit, stored by "Übernehmen"

    const std::string page = program.dir.Take("PnwFiles/Test.pnw");
    const std::string banners = program.dir.Take("Banner/Banners.txt");
    Show(window_, BannerLine::Banner);
    ClickItem(Chosen(), "A");
    Press("ccXPButton3");
    ClickItem(Found(), "B.gif");
    Press("ccXPButton4");
    Type(Link(), "lost.de");
    window_->close();
    EXPECT_EQ(program.dir.Take("PnwFiles/Test.pnw"), page);
    EXPECT_EQ(program.dir.Take("Banner/Banners.txt"), banners);
    EXPECT_FALSE(window_->Changed());
}

TEST_F(BannerWindowTest, AnAddressOnTheClipboardLandsInTheLinkBox)
{
    Picture("Banner/A.gif", Qt::red);
    Picture("Banner/B.gif", Qt::blue);
    Show(window_, BannerLine::Banner);
    ClickItem(Found(), "A.gif");
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QStringLiteral("ftp://files.example"));
    QTest::qWait(700);
    EXPECT_EQ(Link().text(), "");
    EXPECT_EQ(clipboard.text(), "ftp://files.example");

    clipboard.setText(QStringLiteral("WWW.Example.de/a b"));
    QTest::qWait(700);
    EXPECT_EQ(Link().text(), "WWW.Example.de/a b");
    EXPECT_EQ(clipboard.text(), "");
    ClickItem(Found(), "B.gif");
    EXPECT_EQ(Banners("A", "Link"), "WWW.Example.de/a b");

    window_->close();  // the watcher stops with the window
    clipboard.setText(QStringLiteral("http://later.example"));
    QTest::qWait(700);
    EXPECT_EQ(clipboard.text(), "http://later.example");
}
