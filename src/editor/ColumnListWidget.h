// The entry list of one column: reports every mouse button going down, and keeps its selection on
// a right click, so that the column's pop-up menu acts on the entry picked before.
#pragma once

#include <QListWidget>

class ColumnListWidget : public QListWidget {
    Q_OBJECT

public:
    explicit ColumnListWidget(QWidget* parent = nullptr);

    // The selected item's text; empty when nothing is selected.
    QString SelectedText() const;

signals:
    // After the list has handled the press, so the selection is already the new one.
    void MouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
