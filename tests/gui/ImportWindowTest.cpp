// The window "Lesezeichen importieren": ticked bookmarks written and placed after a column's
// entries, a cancel that writes nothing, and edited names refused as the new entry dialog refuses them.
#include "MainWindowTestFixture.h"
#include "core/support/TemporaryHome.h"

#include "editor/BookmarkImportModel.h"
#include "editor/ImportWindow.h"
#include "editor/ImportWindowTexts.h"
#include "editor/NewEntryDialogTexts.h"

#include <QPointer>
#include <QTest>
#include <QTreeView>

namespace {

class ImportWindowTest : public MainWindowTest {
protected:
    ImportWindowTest()
    {
        program.dir.Put("Library/google.web", "[PinCard]\r\nEntry=Google\r\nLink=https://www.google.de/\r\n");
        program.dir.Put("b.html", "<DL><p><DT><H3>Reisen</H3><DL><p>"
                                  "<DT><A HREF=\"https://bahn.example/\">Bahn</A>"
                                  "<DT><A HREF=\"https://karten.example/\">Karten</A></DL><p>"
                                  "<DT><A HREF=\"https://wetter.example/\">Wetter</A>"
                                  "<DT><A HREF=\"https://www.google.de/\">Google</A>"
                                  "<DT><A HREF=\"ftp://x.example/\">Datei</A></DL><p>");
        PageColumn(2, {"Alt"});
        Open();
        dialog = new frmImport(context, *window);
        dialog->show();
        EXPECT_TRUE(dialog->LoadSource(program.dir.Path("b.html")));
    }
    ~ImportWindowTest() override { delete dialog; }

    TemporaryHome home;  // the window lists the profiles of this home, none

    BookmarkImportModel& Model() { return dialog->Model(); }
    QModelIndex Row(int row, int parentRow = -1)
    {
        return Model().index(row, 0, parentRow < 0 ? QModelIndex() : Model().index(parentRow, 0));
    }

    QPointer<frmImport> dialog;
};

TEST_F(ImportWindowTest, TicksOneFolderAndPlacesItsEntriesAfterTheColumnsOwn)
{
    ASSERT_TRUE(Model().setData(Row(0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(Model().data(Row(0), Qt::CheckStateRole), Qt::Checked);
    ASSERT_TRUE(Model().setData(Row(1, 0), "Karten Online", Qt::EditRole));
    dialog->ChooseColumn(2);
    dialog->Import();
    QCoreApplication::processEvents();

    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible()) << "the window closes";
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "2 neu übernommen, 1 schon in der Bibliothek, 0 doppelt, 1 übersprungen.  ");
    EXPECT_EQ(desktop.messages[0].kind, kMessageInformation);
    EXPECT_EQ(Items(1), (QStringList{"Alt", "Bahn", "Karten Online"}));
    EXPECT_EQ(PageValue("Spalte2", "Count"), "3");
    EXPECT_EQ(PageValue("Spalte2", "Eintrag3"), "Karten Online");
    EXPECT_EQ(PageValue("Karten Online", "Link"), "https://karten.example/");
    EXPECT_EQ(PageValue("Karten Online", "Image"), "karten_online.jpg");
    EXPECT_EQ(PageValue("Karten Online", "Info"), "Reisen");
    EXPECT_EQ(program.dir.Take("Library/karten_online.jpg").substr(0, 2), "\xFF\xD8");
    EXPECT_TRUE(program.dir.Has("Library/bahn.web"));
    EXPECT_FALSE(program.dir.Has("Library/wetter.web")) << "not ticked";
}

TEST_F(ImportWindowTest, EscapeWritesNothing)
{
    Model().TickAll(true);
    dialog->ChooseColumn(2);
    const std::string page = program.dir.Take("PnwFiles/Test.pnw");
    QTest::keyClick(&dialog->Tree(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_FALSE(program.dir.Has("Library/bahn.web"));
    EXPECT_FALSE(program.dir.Has("Library/wetter.jpg"));
    EXPECT_EQ(program.dir.Take("PnwFiles/Test.pnw"), page);
    EXPECT_EQ(Items(1), QStringList{"Alt"});
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ImportWindowTest, RefusesAnEditedNameWithTheNewEntryDialogsMessages)
{
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"", NewEntryTexts::NoName},
        {" Bahn", NewEntryTexts::NotStorable},
        {"---", NewEntryTexts::NoLetterOrDigit},
        {"Google", ImportTexts::NameTaken},
    };
    for (const auto& c : cases) {
        desktop.messages.clear();
        EXPECT_FALSE(Model().setData(Row(0, 0), QString::fromUtf8(c.name), Qt::EditRole)) << c.name;
        QCoreApplication::processEvents();
        ASSERT_EQ(desktop.messages.size(), 1u) << c.name;
        EXPECT_EQ(desktop.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(Model().data(Row(0, 0), Qt::DisplayRole), "Bahn");
    }
}

} // namespace
