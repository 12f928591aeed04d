// Changing the columns in the column editor: moving an entry to another column, deleting it,
// moving it up and down. All of it stays in memory until the page is saved.
#include "MainWindowTestFixture.h"

#include "controls/XPButton.h"
#include "editor/ColumnGroup.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class MainWindowEdit : public MainWindowTest {
protected:
    MainWindowEdit()
    {
        PageKey("Main", "Columns", "4");
        PageColumn(1, {"Anna", "Bernd", "Carla"});
        PageColumn(4, {"Dora"});
        PageKey("Bernd", "Link", "http://bernd.de");
        PageKey("Bernd", "Image", "bernd.jpg");
        LibraryLogo("bernd.jpg");
        Open();
    }

    void Pick(int index, int row)
    {
        Select(index, row);
        window->PickEntry(index, Qt::LeftButton);
    }

    QAction* Action(const QString& name) { return window->findChild<QAction*>(name); }

    ccXPButton& Button(const char* name, int index) { return *window->findChild<ccXPButton*>(QString(name) + QString::number(index)); }
};

} // namespace

TEST_F(MainWindowEdit, MovingToAnotherColumnPicksTheEntryThere)
{
    Pick(0, 1);
    ASSERT_TRUE(window->PreparePopup(0));
    Action("mnuMove3")->trigger();

    EXPECT_EQ(Items(0), QStringList({"Anna", "Carla"}));
    EXPECT_EQ(Items(3), QStringList({"Dora", "Bernd"}));
    EXPECT_EQ(SelectedRow(*window->ColumnList(0)), -1);
    EXPECT_EQ(SelectedRow(*window->ColumnList(3)), 1);
    EXPECT_EQ(window->LinkField(0)->text(), "");
    EXPECT_TRUE(window->LogoPicture(0)->pixmap().isNull());
    EXPECT_FALSE(window->LogoLabel(0)->isHidden());

    EXPECT_EQ(context.Selection.TargetColumn, 4);
    EXPECT_EQ(window->LinkField(3)->text(), "http://bernd.de");
    EXPECT_FALSE(window->LogoPicture(3)->pixmap().isNull());
    EXPECT_EQ(PageValue("Spalte1", "Count"), "3");  // only the save writes the columns
}

TEST_F(MainWindowEdit, MovingWithNothingPickedDoesNothing)
{
    Pick(0, 1);
    window->ColumnList(0)->clearSelection();
    Action("mnuMove1")->trigger();
    EXPECT_EQ(Items(0), QStringList({"Anna", "Bernd", "Carla"}));
    EXPECT_TRUE(Items(1).isEmpty());
}

TEST_F(MainWindowEdit, DeletingAsksFirstAndKeepsTheLinkShown)
{
    Pick(0, 1);
    desktop.Answer(false);
    Button("cmdDel", 0).click();
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_EQ(desktop.questions[0].text, QString::fromUtf8("Eintrag 'Bernd' wirklich löschen ?"));
    EXPECT_EQ(desktop.questions[0].title, QString(kProgramTitle));
    EXPECT_EQ(Items(0), QStringList({"Anna", "Bernd", "Carla"}));
    EXPECT_FALSE(window->LogoPicture(0)->pixmap().isNull());

    desktop.Answer(true);
    Button("cmdDel", 0).click();
    EXPECT_EQ(Items(0), QStringList({"Anna", "Carla"}));
    EXPECT_EQ(SelectedRow(*window->ColumnList(0)), -1);
    EXPECT_TRUE(window->LogoPicture(0)->pixmap().isNull());
    EXPECT_TRUE(window->LogoLabel(0)->isHidden());
    EXPECT_EQ(window->LinkField(0)->text(), "http://bernd.de");
    EXPECT_EQ(PageValue("Spalte1", "Eintrag2"), "Bernd");
    EXPECT_EQ(PageValue("Bernd", "Link"), "http://bernd.de");

    // Nothing picked now: no question.
    Button("cmdDel", 0).click();
    EXPECT_EQ(desktop.questions.size(), 2u);
}

TEST_F(MainWindowEdit, PopupDeleteActsOnTheActiveColumn)
{
    Pick(3, 0);
    desktop.Answer(true);
    Action("mnuDelete")->trigger();
    EXPECT_TRUE(Items(3).isEmpty());
    EXPECT_EQ(Items(0).size(), 3);
}

TEST_F(MainWindowEdit, UpAndDownMoveThePickedEntryAndBeepAtTheEnds)
{
    Select(0, 1);
    Button("cmdUp", 0).click();
    EXPECT_EQ(Items(0), QStringList({"Bernd", "Anna", "Carla"}));
    EXPECT_EQ(desktop.beeps, 0);
    Button("cmdUp", 0).click();
    EXPECT_EQ(desktop.beeps, 1);

    // A double click moves once more than its first click did.
    Button("cmdDown", 0).click();
    emit Button("cmdDown", 0).DblClick();
    EXPECT_EQ(Items(0), QStringList({"Anna", "Carla", "Bernd"}));
    Button("cmdDown", 0).click();
    EXPECT_EQ(desktop.beeps, 2);

    // Without a picked entry nothing moves and nothing beeps.
    window->ColumnList(0)->clearSelection();
    Button("cmdUp", 0).click();
    Button("cmdDown", 0).click();
    EXPECT_EQ(desktop.beeps, 2);
}
