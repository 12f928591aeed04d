// The entry list of one column.
#include "editor/ColumnListWidget.h"

#include "common/gui/ListHelpers.h"

#include <QMouseEvent>

ColumnListWidget::ColumnListWidget(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The pop-up menu is opened by the column editor itself, on the press.
    setContextMenuPolicy(Qt::NoContextMenu);
}

QString ColumnListWidget::SelectedText() const
{
    const int row = SelectedRow(*this);
    return row < 0 ? QString() : item(row)->text();
}

void ColumnListWidget::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    if (button != Qt::RightButton)
        QListWidget::mousePressEvent(event);
    else
        event->accept();
    emit MouseDown(button);
}
