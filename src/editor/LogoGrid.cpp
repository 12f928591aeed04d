#include "editor/LogoGrid.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The size from the file's header; formats without one in the header are read whole.
QSize LogoSize(const QString& file)
{
    if (file.isEmpty()) return {};
    const QSize size = QImageReader(file).size();
    if (size.isValid()) return size;
    QImageReader reader(file);
    return reader.read().size();
}

} // namespace

LogoGrid::LogoGrid(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picSlide"));
    setAccessibleName(QStringLiteral("picSlide"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LogoGrid::SetLogos(const QStringList& files)
{
    files_ = files;
    pictures_.clear();
    selected_ = -1;
    cell_ = {};
    for (const QString& file : files_) {
        const QSize size = LogoSize(file);
        FitCell(cell_, {size.width(), size.height()});
    }
    update();
}

void LogoGrid::SetGrid(const CellGrid& grid)
{
    grid_ = grid;
    resize(grid.width, grid.height);
    update();
}

void LogoGrid::SetSelected(int index)
{
    if (index == selected_) return;
    if (selected_ >= 0) update(CellRect(selected_));
    selected_ = index;
    if (selected_ >= 0) update(CellRect(selected_));
}

QRect LogoGrid::CellRect(int index) const
{
    const CellGrid::Place place = grid_.CellAt(index);
    return {place.left, place.top, grid_.cellWidth, grid_.cellHeight};
}

const QPixmap& LogoGrid::Picture(int index)
{
    auto found = pictures_.find(index);
    if (found == pictures_.end()) {
        QPixmap picture;
        if (index < files_.size() && !files_[index].isEmpty()) picture.load(files_[index]);
        found = pictures_.insert(index, picture);
    }
    return *found;
}

void LogoGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().window());
    if (grid_.columns <= 0) return;

    const int firstRow = std::max(0, area.top() / grid_.cellHeight);
    const int lastRow = std::min(grid_.rows - 1, area.bottom() / grid_.cellHeight);
    const int firstColumn = std::max(0, area.left() / grid_.cellWidth);
    const int lastColumn = std::min(grid_.columns - 1, area.right() / grid_.cellWidth);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int index = row * grid_.columns + column;
            if (index >= grid_.count) break;
            // Each logo sits at its cell's top left corner at its own size, as it was captured.
            const QPixmap& picture = Picture(index);
            const CellGrid::Place place = grid_.CellAt(index);
            if (!picture.isNull()) painter.drawPixmap(place.left, place.top, picture);
        }
    }
    if (selected_ >= 0 && selected_ < grid_.count && CellRect(selected_).intersects(area)) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(selected_).adjusted(1, 1, -1, -1));
    }

    // Keep the logos of the cells in view and of one view above and below; scrolling back a
    // little does not read them again, scrolling far does not pile them up.
    const QRect visible = visibleRegion().boundingRect();
    if (visible.isEmpty()) return;
    const int margin = std::max(visible.height(), grid_.cellHeight);
    DropPicturesOutside(visible.adjusted(0, -margin, 0, margin));
}

void LogoGrid::DropPicturesOutside(const QRect& keep)
{
    for (auto it = pictures_.begin(); it != pictures_.end();) {
        if (CellRect(it.key()).intersects(keep))
            ++it;
        else
            it = pictures_.erase(it);
    }
}

void LogoGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int index = grid_.CellIndexAt(at.x(), at.y());
    if (event->button() == Qt::LeftButton && index >= 0) emit cellClicked(index);
    QWidget::mousePressEvent(event);
}

void LogoGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int index = grid_.CellIndexAt(at.x(), at.y());
    if (event->button() == Qt::LeftButton && index >= 0) emit cellDoubleClicked(index);
    QWidget::mouseDoubleClickEvent(event);
}
