// frmImport, "Lesezeichen importieren": the bookmarks of a browser profile or a bookmarks file as a
// tree to tick, taken into the library with the import's own plan and writes, and placed at the
// end of a column of the open page if the user wants. Modal; nothing is written before "Importieren".
#pragma once

#include "document/BookmarkTree.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class BookmarkImportModel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeView;
class frmMain;
struct ProgramContext;
enum class RenameResult;

class frmImport : public QDialog {
    Q_OBJECT

public:
    frmImport(ProgramContext& context, frmMain& editor);
    ~frmImport() override;

    // Reads and plans the bookmarks of a profile folder or a bookmarks file; false (with a
    // message) when they cannot be read.
    bool LoadSource(const std::string& path);
    // "Lesezeichen-Datei...": a file dialog, then the file as a source of the list.
    void ChooseFile();
    // "Importieren": writes the ticked entries, places them if a column is chosen, closes, reports.
    void Import();

    BookmarkImportModel& Model() const { return *model_; }
    QTreeView& Tree() const { return *tvwBookmarks; }
    // Column 1 to the page's count, or 0 for "nur in die Bibliothek".
    void ChooseColumn(int column);

private:
    void BuildControls();
    void FillSources();
    void SourcePicked(int row);
    void TickedChanged(int ticked);
    void RefuseName(RenameResult why);
    int ChosenColumn() const;

    ProgramContext& context_;
    frmMain& editor_;
    std::vector<std::string> sources_;  // one per row of lstSource
    std::unique_ptr<BookmarkNode> tree_;  // the one the model's choice was planned from
    BookmarkImportModel* model_ = nullptr;

    QLabel* lblSource = nullptr;
    QListWidget* lstSource = nullptr;
    QPushButton* cmdFile = nullptr;
    QLabel* lblBookmarks = nullptr;
    QTreeView* tvwBookmarks = nullptr;
    QPushButton* cmdAll = nullptr;
    QPushButton* cmdNone = nullptr;
    QLabel* lblTicked = nullptr;
    QRadioButton* optColumn = nullptr;
    QComboBox* cboColumn = nullptr;
    QRadioButton* optLibrary = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;
};
