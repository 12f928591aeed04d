// The bookmarks of the import window as a tree of rows with check boxes: name (editable for a new
// entry), the logo as the import will make it, the address and what the bookmark becomes. Logos
// are drawn when the view first asks for them, so only the rows that come into view cost time.
#pragma once

#include "document/BookmarkChoice.h"

#include <QAbstractItemModel>
#include <QCache>
#include <QPixmap>

#include <memory>

class BookmarkImportModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { NameColumn, LogoColumn, AddressColumn, StateColumn, ColumnCount };

    explicit BookmarkImportModel(QObject* parent = nullptr);

    // Shows the bookmarks of another source (the tree must outlive the choice); nothing ticked.
    void SetChoice(std::unique_ptr<BookmarkChoice> choice);
    const BookmarkChoice* Choice() const { return choice_.get(); }

    // "Alle" and "Keine".
    void TickAll(bool ticked);

    // The logo as shown in the list: the import's logo at a smaller scale.
    static QSize LogoSize();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The ticked count changed.
    void tickedChanged(int ticked);
    // An edited name was refused; the name stays as it was.
    void renameRefused(RenameResult why);

private:
    int RowOf(const QModelIndex& index) const;
    QModelIndex IndexOf(int row, int column = NameColumn) const;
    QPixmap Logo(int row) const;
    // The boxes below `row` and above it show new states.
    void TickStatesChanged(int row);
    void ChildrenChanged(int row);

    std::unique_ptr<BookmarkChoice> choice_;
    mutable QCache<int, QPixmap> logos_{400};
};
