// The link dialog opened from a column's link box: what it writes and that it closes back to the
// editor.
#include "MainWindowTestFixture.h"

#include "controls/XPButton.h"
#include "editor/LinkDialog.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {

class LinkDialogTest : public MainWindowTest {
protected:
    LinkDialogTest()
    {
        PageColumn(2, {"Grüße"});
        PageKey("Gruesse", "Link", "http://gruss.de");
        PageKey("Gruesse", "Info", "Alt");
        program.dir.Put("Library/gruesse.web", kEntryFile);
        Open();
        window->show();
        QObject::connect(window.get(), &frmMain::linkDialogRequested, [this] {
            dialog = new frmLink(context, *window);
            dialog->Open();
        });
    }
    ~LinkDialogTest() override { delete dialog.data(); }

    // A pick of the entry in column 2, then a press on the column's link box.
    void OpenDialog()
    {
        Select(1, 0);
        window->PickEntry(1, Qt::LeftButton);
        QTest::mousePress(window->LinkField(1), Qt::LeftButton);
        ASSERT_FALSE(dialog.isNull());
    }
    QLineEdit* Box(const char* name) const { return dialog->findChild<QLineEdit*>(name); }
    void Apply() const { dialog->findChild<ccXPButton*>("ccXPButton1")->click(); }
    std::string PageBytes() const { return program.dir.Take("PnwFiles/Test.pnw"); }
    std::string EntryBytes() const { return program.dir.Take("Library/gruesse.web"); }
    void ExpectClosed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_TRUE(window->isVisible());
    }

    static constexpr const char* kEntryFile =
        "[PinCard]\r\nEntry=Gr\xFC\xDF" "e\r\nLink=http://gruss.de\r\nImage=gruesse.jpg\r\nInfo=Alt\r\n";
    QPointer<frmLink> dialog;
};

} // namespace

TEST_F(LinkDialogTest, OpensWithTheEntrysValuesAndWritesNothingUnchanged)
{
    OpenDialog();
    EXPECT_EQ(Box("txtLink")->text(), "http://gruss.de");
    EXPECT_EQ(Box("txtInfo")->text(), "Alt");
    const std::string page = PageBytes();
    Apply();
    EXPECT_EQ(PageBytes(), page);
    EXPECT_EQ(EntryBytes(), kEntryFile);
    ExpectClosed();

    // Closed through the title bar, a change is not stored.
    OpenDialog();
    Box("txtLink")->setText("http://anders.de");
    Box("txtInfo")->setText("Neu");
    dialog->close();
    EXPECT_EQ(PageBytes(), page);
    EXPECT_EQ(EntryBytes(), kEntryFile);
    EXPECT_EQ(window->LinkField(1)->text(), "http://gruss.de");
    ExpectClosed();
}

TEST_F(LinkDialogTest, ChangesReachTheTransliteratedSectionTheEntryFileAndTheEditor)
{
    OpenDialog();
    Box("txtInfo")->setText("Neue Info");
    Apply();
    EXPECT_EQ(PageValue("Gruesse", "Info"), "Neue Info");
    EXPECT_EQ(ReadIni("PinCard", "Info", program.dir.Path("Library/gruesse.web")), "Neue Info");
    ExpectClosed();

    // A new link by Enter, with the info emptied: the entry name stands for it.
    OpenDialog();
    Box("txtInfo")->clear();
    Box("txtLink")->setText("www.gruss.at");
    QTest::keyClick(Box("txtLink"), Qt::Key_Return);
    EXPECT_EQ(PageValue("Gruesse", "Link"), "www.gruss.at");
    EXPECT_EQ(PageValue("Gruesse", "Info"), "Grüße");
    EXPECT_EQ(PageValue("Grüße", "Link"), "");
    EXPECT_EQ(window->LinkField(1)->text(), "www.gruss.at");
    EXPECT_EQ(EntryBytes(),
              "[PinCard]\r\nEntry=Gr\xFC\xDF" "e\r\nLink=www.gruss.at\r\nImage=gruesse.jpg\r\nInfo=Gr\xFC\xDF" "e\r\n");
    ExpectClosed();
}
