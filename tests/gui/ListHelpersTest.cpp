#include "common/gui/ListHelpers.h"

#include "gui/support/FakeServices.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace {

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

std::vector<qint32> Data(const QListWidget& list)
{
    std::vector<qint32> data;
    for (int row = 0; row < list.count(); ++row)
        data.push_back(ListItemData(list, row));
    return data;
}

class ListMoves : public ::testing::Test {
protected:
    ListMoves()
    {
        AddListItem(list, "Anna", 1);
        AddListItem(list, "Bernd", -7);
        AddListItem(list, "Carla", 0x7FFFFFFF);
        AddListItem(other, "Xaver", 42);
    }

    FakeServices desktop;
    QListWidget list;
    QListWidget other;
};

} // namespace

TEST_F(ListMoves, UpSwapsTextAndDataAndTheSelectionFollows)
{
    list.setCurrentRow(2);
    ListMoveUp(list);
    EXPECT_EQ(Texts(list), QStringList({"Anna", "Carla", "Bernd"}));
    EXPECT_EQ(Data(list), std::vector<qint32>({1, 0x7FFFFFFF, -7}));
    EXPECT_EQ(SelectedRow(list), 1);

    ListMoveUp(list);
    EXPECT_EQ(Texts(list), QStringList({"Carla", "Anna", "Bernd"}));
    EXPECT_EQ(SelectedRow(list), 0);
    EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(ListMoves, DownSwapsTextAndDataAndTheSelectionFollows)
{
    list.setCurrentRow(0);
    ListMoveDown(list);
    EXPECT_EQ(Texts(list), QStringList({"Bernd", "Anna", "Carla"}));
    EXPECT_EQ(Data(list), std::vector<qint32>({-7, 1, 0x7FFFFFFF}));
    EXPECT_EQ(SelectedRow(list), 1);
    EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(ListMoves, BeepAtTheEndsAndChangeNothing)
{
    list.setCurrentRow(0);
    ListMoveUp(list);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(SelectedRow(list), 0);

    list.setCurrentRow(2);
    ListMoveDown(list);
    EXPECT_EQ(desktop.beeps, 2);
    EXPECT_EQ(SelectedRow(list), 2);

    EXPECT_EQ(Texts(list), QStringList({"Anna", "Bernd", "Carla"}));
    EXPECT_EQ(Data(list), std::vector<qint32>({1, -7, 0x7FFFFFFF}));
}

TEST_F(ListMoves, BeepWithoutASelection)
{
    ListMoveUp(list);
    ListMoveDown(list);
    // A current item that is not selected does not count as a selection.
    list.setCurrentRow(1);
    list.clearSelection();
    ListMoveUp(list);

    QListWidget empty;
    ListMoveDown(empty);

    EXPECT_EQ(desktop.beeps, 4);
    EXPECT_EQ(Texts(list), QStringList({"Anna", "Bernd", "Carla"}));
}

TEST_F(ListMoves, MoveItemAppendsToTheTargetAndSelectsItThere)
{
    list.setCurrentRow(1);
    ListMoveItem(list, other);

    EXPECT_EQ(Texts(other), QStringList({"Xaver", "Bernd"}));
    EXPECT_EQ(Data(other), std::vector<qint32>({42, -7}));
    EXPECT_EQ(SelectedRow(other), 1);

    EXPECT_EQ(Texts(list), QStringList({"Anna", "Carla"}));
    EXPECT_EQ(Data(list), std::vector<qint32>({1, 0x7FFFFFFF}));
    EXPECT_EQ(SelectedRow(list), -1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
}

TEST_F(ListMoves, MoveItemIntoAnEmptyListAndWithinOneList)
{
    QListWidget empty;
    list.setCurrentRow(0);
    ListMoveItem(list, empty);
    EXPECT_EQ(Texts(empty), QStringList({"Anna"}));
    EXPECT_EQ(SelectedRow(empty), 0);

    list.setCurrentRow(0);
    ListMoveItem(list, list);
    EXPECT_EQ(Texts(list), QStringList({"Carla", "Bernd"}));
    EXPECT_EQ(Data(list), std::vector<qint32>({0x7FFFFFFF, -7}));
    EXPECT_EQ(SelectedRow(list), 1);
}

TEST_F(ListMoves, MoveItemWithoutASelectionDoesNothing)
{
    ListMoveItem(list, other);
    EXPECT_EQ(Texts(list), QStringList({"Anna", "Bernd", "Carla"}));
    EXPECT_EQ(Texts(other), QStringList({"Xaver"}));
    EXPECT_EQ(desktop.beeps, 0);
}

namespace {

// A 3 × 2 tile whose every pixel has its own colour, so a misplaced tile shows.
QPixmap PatternTile()
{
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, qRgb(40 + 60 * x, 100 + 100 * y, 7));
    }
    return QPixmap::fromImage(tile);
}

} // namespace

TEST(TilePicture, RepeatsTheTileFromTheTopLeftAndCutsItAtTheEdges)
{
    QLabel target;
    target.resize(8, 5); // neither size a multiple of the tile
    const QImage tile = PatternTile().toImage();

    TilePicture(target, PatternTile());

    const QImage result = target.pixmap().toImage();
    ASSERT_EQ(result.size(), QSize(8, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(result.pixel(x, y), tile.pixel(x % 3, y % 2)) << x << "," << y;
    }
}

TEST(TilePicture, CoversOnlyTheContentsInsideAFrame)
{
    QLabel target;
    target.setFrameStyle(QFrame::Box | QFrame::Plain);
    target.setLineWidth(2);
    target.resize(20, 10);

    TilePicture(target, PatternTile());
    EXPECT_EQ(target.pixmap().size(), QSize(16, 6));
}

TEST(TilePicture, ANullTileOrEmptyTargetLeavesTheTargetEmpty)
{
    QLabel target;
    target.resize(8, 5);
    TilePicture(target, PatternTile());
    ASSERT_FALSE(target.pixmap().isNull());

    TilePicture(target, QPixmap());
    EXPECT_TRUE(target.pixmap().isNull());

    QLabel flat;
    flat.resize(0, 5);
    TilePicture(flat, PatternTile());
    EXPECT_TRUE(flat.pixmap().isNull());
}

TEST(ShowPictureWhole, ALargerPictureIsScaledDownIntoTheFrameAndASmallerOneKeepsItsSize)
{
    QLabel target;
    target.setFrameStyle(QFrame::Box | QFrame::Plain);
    target.setLineWidth(2);
    target.resize(24, 14);  // 20 x 10 inside the frame

    QPixmap wide(80, 20);
    wide.fill(Qt::red);
    ShowPictureWhole(target, wide);
    EXPECT_EQ(target.pixmap().size(), QSize(20, 5));

    QPixmap small(6, 4);
    small.fill(Qt::blue);
    ShowPictureWhole(target, small);
    EXPECT_EQ(target.pixmap().size(), QSize(6, 4));

    ShowPictureWhole(target, QPixmap());
    EXPECT_TRUE(target.pixmap().isNull());
}
