#include "common/gui/ListHelpers.h"

#include "common/gui/DesktopServices.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace {

// Swaps what the items show and carry; the items themselves (flags, position) stay put.
void SwapTextAndData(QListWidgetItem& a, QListWidgetItem& b)
{
    const QString text = a.text();
    const QVariant data = a.data(kItemDataRole);
    a.setText(b.text());
    a.setData(kItemDataRole, b.data(kItemDataRole));
    b.setText(text);
    b.setData(kItemDataRole, data);
}

void SelectRow(QListWidget& list, int row)
{
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void MoveSelectedBy(QListWidget& list, int step)
{
    const int row = SelectedRow(list);
    const int other = row + step;
    if (row < 0 || other < 0 || other >= list.count()) {
        Services().Beep();
        return;
    }
    SwapTextAndData(*list.item(row), *list.item(other));
    SelectRow(list, other);
}

} // namespace

void AddListItem(QListWidget& list, const QString& text, qint32 itemData)
{
    auto* item = new QListWidgetItem(text);
    item->setData(kItemDataRole, itemData);
    list.addItem(item);
}

qint32 ListItemData(const QListWidget& list, int row)
{
    const QListWidgetItem* item = list.item(row);
    return item ? item->data(kItemDataRole).value<qint32>() : 0;
}

int SelectedRow(const QListWidget& list)
{
    const QListWidgetItem* current = list.currentItem();
    if (current && current->isSelected())
        return list.row(current);
    return -1;
}

void ListMoveUp(QListWidget& list)
{
    MoveSelectedBy(list, -1);
}

void ListMoveDown(QListWidget& list)
{
    MoveSelectedBy(list, +1);
}

void ListMoveItem(QListWidget& source, QListWidget& target)
{
    // Without a selection there is nothing to move; adding an empty item to the target would
    // put a nameless entry into a column.
    const int row = SelectedRow(source);
    if (row < 0)
        return;
    QListWidgetItem* item = source.takeItem(row);
    source.setCurrentRow(-1);
    source.clearSelection();

    auto* moved = new QListWidgetItem(item->text());
    moved->setData(kItemDataRole, item->data(kItemDataRole));
    delete item;
    target.addItem(moved);
    SelectRow(target, target.count() - 1);
}

void TilePicture(QLabel& target, const QPixmap& tile)
{
    const QSize area = target.contentsRect().size();
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0 || area.isEmpty()) {
        target.clear();
        return;
    }
    // Pixels of the picture, not logical points: one tile pixel is one pixel of the field.
    QPixmap pixels = tile;
    pixels.setDevicePixelRatio(1.0);

    QPixmap canvas(area);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        for (int x = 0; x < area.width(); x += pixels.width()) {
            for (int y = 0; y < area.height(); y += pixels.height())
                painter.drawPixmap(x, y, pixels);
        }
    }
    target.setPixmap(canvas);
}

void ShowPictureWhole(QLabel& target, const QPixmap& picture)
{
    const QSize room = target.contentsRect().size();
    if (picture.width() > room.width() || picture.height() > room.height())
        target.setPixmap(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        target.setPixmap(picture);
}
