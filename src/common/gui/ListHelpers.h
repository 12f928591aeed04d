// List operations shared by the windows: moving the selected item up, down or into another list,
// and showing a picture in a picture field, whole or tiled.
#pragma once

#include <QString>
#include <QtGlobal>

class QLabel;
class QListWidget;
class QPixmap;

// The role under which a list item keeps its 32-bit item data.
inline constexpr int kItemDataRole = Qt::UserRole;

// Appends an item with text and item data.
void AddListItem(QListWidget& list, const QString& text, qint32 itemData = 0);

// The item data of a row (0 where none was set or the row does not exist).
qint32 ListItemData(const QListWidget& list, int row);

// The row of the selected item, or -1: the current item, counted only when it is selected.
int SelectedRow(const QListWidget& list);

// Swaps the selected item's text and item data with the item above (below); the selection moves
// with it. At the end of the list, or with nothing selected, the desktop beep sounds instead.
void ListMoveUp(QListWidget& list);
void ListMoveDown(QListWidget& list);

// Moves the selected item of source, text and item data, to the end of target and selects it
// there; source is left with nothing selected. Without a selected item nothing happens.
void ListMoveItem(QListWidget& source, QListWidget& target);

// Tiles the picture from the top left corner over the whole contents of the target, in pixels,
// replacing the target's pixmap; the last row and column of tiles are cut at the edge. A null or
// empty tile leaves the target empty.
void TilePicture(QLabel& target, const QPixmap& tile);

// Shows the picture in the target at its own size, or scaled down (keeping its proportions) to
// fit the target's contents when it is larger. A null picture empties the target.
void ShowPictureWhole(QLabel& target, const QPixmap& picture);
