// The logo grid of the library browser: one cell per entry, all cells the size of the largest
// logo. One widget for all cells; it paints only the cells in view and keeps only their logos
// (and those of a screen above and below) in memory, so thousands of entries stay light.
#pragma once

#include "common/CellGrid.h"

#include <QHash>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

class LogoGrid : public QWidget {
    Q_OBJECT

public:
    explicit LogoGrid(QWidget* parent = nullptr);

    // One logo file per entry, empty where the entry has none. Reads each logo's size from its
    // header to find the cell size; the pictures themselves are read when their cells are shown.
    void SetLogos(const QStringList& files);
    CellSize Cell() const { return cell_; }

    // Takes the layout and resizes itself to the grid.
    void SetGrid(const CellGrid& grid);
    const CellGrid& Grid() const { return grid_; }

    // The cell drawn as selected; -1 for none.
    void SetSelected(int index);

    // Pictures held in memory at the moment.
    int LoadedPictures() const { return static_cast<int>(pictures_.size()); }

signals:
    void cellClicked(int index);
    void cellDoubleClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QPixmap& Picture(int index);
    void DropPicturesOutside(const QRect& keep);
    QRect CellRect(int index) const;

    QStringList files_;
    CellSize cell_;
    CellGrid grid_;
    int selected_ = -1;
    QHash<int, QPixmap> pictures_;  // a null pixmap records a logo that could not be read
};
