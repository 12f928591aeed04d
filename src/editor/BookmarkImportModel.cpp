#include "editor/BookmarkImportModel.h"

#include "document/BookmarkTree.h"
#include "editor/ImportWindowTexts.h"
#include "imaging/LogoColours.h"
#include "imaging/gui/BookmarkLogo.h"

#include <QApplication>
#include <QStyle>

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

Qt::CheckState CheckOf(TickState state)
{
    switch (state) {
    case TickState::Clear: return Qt::Unchecked;
    case TickState::Partly: return Qt::PartiallyChecked;
    case TickState::Ticked: return Qt::Checked;
    }
    return Qt::Unchecked;
}

} // namespace

BookmarkImportModel::BookmarkImportModel(QObject* parent) : QAbstractItemModel(parent) {}

void BookmarkImportModel::SetChoice(std::unique_ptr<BookmarkChoice> choice)
{
    beginResetModel();
    choice_ = std::move(choice);
    logos_.clear();
    endResetModel();
    emit tickedChanged(0);
}

QSize BookmarkImportModel::LogoSize() { return {kBookmarkLogoWidth * 3 / 4, kBookmarkLogoHeight * 3 / 4}; }

int BookmarkImportModel::RowOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex BookmarkImportModel::IndexOf(int row, int column) const
{
    if (!choice_ || row < 0) return {};
    return createIndex(choice_->Rows()[row].place, column, static_cast<quintptr>(row));
}

QModelIndex BookmarkImportModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!choice_ || column < 0 || column >= ColumnCount || row < 0) return {};
    const std::vector<int>& rows = parent.isValid() ? choice_->Rows()[RowOf(parent)].children : choice_->TopRows();
    if (row >= static_cast<int>(rows.size())) return {};
    return createIndex(row, column, static_cast<quintptr>(rows[row]));
}

QModelIndex BookmarkImportModel::parent(const QModelIndex& child) const
{
    if (!choice_ || !child.isValid()) return {};
    return IndexOf(choice_->Rows()[RowOf(child)].parent);
}

int BookmarkImportModel::rowCount(const QModelIndex& parent) const
{
    if (!choice_) return 0;
    if (!parent.isValid()) return static_cast<int>(choice_->TopRows().size());
    if (parent.column() != NameColumn) return 0;
    return static_cast<int>(choice_->Rows()[RowOf(parent)].children.size());
}

int BookmarkImportModel::columnCount(const QModelIndex&) const { return ColumnCount; }

QPixmap BookmarkImportModel::Logo(int row) const
{
    if (QPixmap* cached = logos_.object(row)) return *cached;
    const ImportItem* item = choice_->ItemOf(row);
    const QImage logo = DrawBookmarkLogo(LoadBookmarkIcon(item->bookmark->icon), Utf8(item->name));
    auto* pixmap = new QPixmap(QPixmap::fromImage(logo.scaled(LogoSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    const QPixmap shown = *pixmap;
    logos_.insert(row, pixmap);
    return shown;
}

QVariant BookmarkImportModel::data(const QModelIndex& index, int role) const
{
    if (!choice_ || !index.isValid()) return {};
    const int row = RowOf(index);
    const BookmarkChoice::Row& r = choice_->Rows()[row];
    const ImportItem* item = choice_->ItemOf(row);
    switch (index.column()) {
    case NameColumn:
        if (role == Qt::DisplayRole || role == Qt::EditRole) return Utf8(item ? item->name : r.node->title);
        // A folder without a new bookmark below has no box to tick.
        if (role == Qt::CheckStateRole && (item || choice_->Tickable(row))) return CheckOf(choice_->State(row));
        if (role == Qt::DecorationRole && !item) return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
        break;
    case LogoColumn:
        // Only a new entry gets a logo made.
        if (role == Qt::DecorationRole && item && item->state == ImportState::New) return Logo(row);
        if (role == Qt::SizeHintRole) return LogoSize() + QSize(8, 4);
        break;
    case AddressColumn:
        if (role == Qt::DisplayRole && item) return Utf8(item->link);
        break;
    case StateColumn:
        if (role == Qt::DisplayRole && item)
            return Utf8(item->state == ImportState::Skipped ? item->reason : ImportStateText(item->state));
        break;
    default:
        break;
    }
    if (role == Qt::ToolTipRole && item && index.column() == AddressColumn) return Utf8(item->link);
    return {};
}

bool BookmarkImportModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!choice_ || !index.isValid() || index.column() != NameColumn) return false;
    const int row = RowOf(index);
    if (role == Qt::CheckStateRole) {
        if (!choice_->Tickable(row)) return false;
        choice_->SetTicked(row, value.toInt() == Qt::Checked);
        TickStatesChanged(row);
        emit tickedChanged(choice_->TickedCount());
        return true;
    }
    if (role != Qt::EditRole || !choice_->ItemOf(row)) return false;
    const std::string name = value.toString().toStdString();
    if (name == choice_->ItemOf(row)->name) return true;
    const RenameResult result = choice_->Rename(row, name);
    if (result != RenameResult::Accepted) {
        emit renameRefused(result);
        return false;
    }
    // The logo carries the name.
    logos_.remove(row);
    emit dataChanged(index, this->index(index.row(), LogoColumn, index.parent()));
    return true;
}

void BookmarkImportModel::TickAll(bool ticked)
{
    if (!choice_) return;
    choice_->SetAll(ticked);
    for (const int row : choice_->TopRows()) {
        emit dataChanged(IndexOf(row), IndexOf(row));
        ChildrenChanged(row);
    }
    emit tickedChanged(choice_->TickedCount());
}

void BookmarkImportModel::ChildrenChanged(int row)
{
    const std::vector<int>& children = choice_->Rows()[row].children;
    if (children.empty()) return;
    emit dataChanged(IndexOf(children.front()), IndexOf(children.back()), {Qt::CheckStateRole});
    for (const int child : children)
        if (!choice_->Rows()[child].children.empty()) ChildrenChanged(child);
}

void BookmarkImportModel::TickStatesChanged(int row)
{
    for (int up = row; up >= 0; up = choice_->Rows()[up].parent)
        emit dataChanged(IndexOf(up), IndexOf(up), {Qt::CheckStateRole});
    ChildrenChanged(row);
}

Qt::ItemFlags BookmarkImportModel::flags(const QModelIndex& index) const
{
    if (!choice_ || !index.isValid()) return Qt::NoItemFlags;
    const int row = RowOf(index);
    // A bookmark that does not become a new entry is shown, greyed, but cannot be ticked.
    if (!choice_->Tickable(row)) return choice_->ItemOf(row) ? Qt::NoItemFlags : Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == NameColumn) {
        flags |= Qt::ItemIsUserCheckable;
        if (choice_->ItemOf(row)) flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant BookmarkImportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= ColumnCount) return {};
    return QString::fromUtf8(ImportTexts::Headers[static_cast<std::size_t>(section)]);
}
