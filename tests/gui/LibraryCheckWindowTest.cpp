// PinEdit's check window: each check logs its entries, stops at the first failure and selects it
// in the editor, whose selection repairs it, so a second run passes.
#include "PinEditTestFixture.h"

#include "libedit/LibraryCheckWindow.h"

#include <QPlainTextEdit>

class PinEditCheckTest : public PinEditTest {
protected:
    frmPruef& Check()
    {
        Open();
        return window->ShowCheck();
    }
};

TEST_F(PinEditCheckTest, AnEmptyLibraryLogsNothing)
{
    frmPruef& pruef = Check();
    for (const LibraryCheck kind : {LibraryCheck::EntryFileName, LibraryCheck::EntryLogoName, LibraryCheck::Link}) {
        pruef.RunCheck(kind);
        EXPECT_EQ(pruef.Log(), "");
    }
    EXPECT_EQ(window->SelectedIndex(), -1);
}

TEST_F(PinEditCheckTest, EntryAgainstFileNameStopsAtTheFirstFailureAndTheSecondRunPasses)
{
    Entry("aaa.web", "Aaa", "http://aaa.de", "aaa.jpg");
    Entry("Mein_Link.web", "Mein Link", "http://mein-link.de", "mein_link.jpg");
    Entry("zzz.web", "Zzz", "http://zzz.de", "zzz.jpg");
    frmPruef& pruef = Check();
    pruef.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(pruef.findChild<QPlainTextEdit*>("Text1")->toPlainText(), "\nAaa - aaa.web\nMein Link - Mein_Link.web");
    // Selected in the editor, whose selection renamed the file.
    EXPECT_EQ(SelectedFile(), "mein_link.web");
    EXPECT_FALSE(dir.Has("Mein_Link.web"));

    pruef.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(pruef.Log(), "\r\nAaa - aaa.web\r\nMein Link - mein_link.web\r\nZzz - zzz.web");
    EXPECT_EQ(SelectedFile(), "mein_link.web");
}

TEST_F(PinEditCheckTest, EntryAgainstLogoNameStopsAtTheFirstFailureAndTheSecondRunPasses)
{
    Entry("mein_link.web", "Mein Link", "http://mein-link.de", "Mein_Link.jpg");
    dir.Put("Mein_Link.jpg", "logo");
    Entry("ohne.web", "", "http://ohne.de");
    frmPruef& pruef = Check();
    pruef.findChild<QPushButton*>("Command4")->click();
    EXPECT_EQ(pruef.Log(), "\r\nMein Link - Mein_Link.jpg");
    EXPECT_EQ(SelectedFile(), "mein_link.web");
    EXPECT_EQ(dir.Take("mein_link.jpg"), "logo");

    pruef.findChild<QPushButton*>("Command4")->click();
    EXPECT_EQ(pruef.Log(), "\r\nMein Link - mein_link.jpg\r\n - ");  // no Entry: its names are bare extensions
    EXPECT_EQ(SelectedFile(), "ohne.web");
    pruef.findChild<QPushButton*>("Command4")->click();
    EXPECT_EQ(pruef.Log(), "\r\nMein Link - mein_link.jpg\r\nOhne - ohne.jpg");
}

TEST_F(PinEditCheckTest, LinksNeedEightCharacters)
{
    Entry("acht.web", "Acht", "http://a", "acht.jpg");
    Entry("sieben.web", "Sieben", "http://", "sieben.jpg");
    Entry("zeit.web", "Zeit", "http://www.zeit.de", "zeit.jpg");
    frmPruef& pruef = Check();
    pruef.findChild<QPushButton*>("Command3")->click();
    EXPECT_EQ(pruef.Log(), "\r\nacht.web - http://a\r\nsieben.web - http://");
    EXPECT_EQ(SelectedFile(), "sieben.web");
    EXPECT_EQ(Box("txtLink"), "http://");

    Child<QLineEdit>("txtLink").setText("http://sieben.de");
    Click("Command1");
    pruef.findChild<QPushButton*>("Command3")->click();
    EXPECT_EQ(pruef.Log(), "\r\nacht.web - http://a\r\nsieben.web - http://sieben.de\r\nzeit.web - http://www.zeit.de");
}
