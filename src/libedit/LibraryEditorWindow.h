// Form1, PinEdit's editor window: the entry files of the program's folder, the four values and the
// logo of the selected entry, storing, deleting, and the check window. Selecting an entry brings
// its file names into line with its display name.
#pragma once

#include "common/AppPaths.h"
#include "common/FileList.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QCloseEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class frmPruef;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // Lists the entry files of the program folder of `paths`.
    explicit Form1(const AppPaths& paths, QWidget* parent = nullptr);
    ~Form1() override;

    const std::string& Folder() const { return m_files.Folder(); }
    // The entry files in the order the list shows them.
    const std::vector<std::string>& Files() const { return m_files.Files(); }
    // The list index of the selected file, or -1.
    int SelectedIndex() const;

    // Selects list item `index` and shows the entry, as a click on it does.
    void SelectFile(int index);
    // Reads the folder again; nothing is selected afterwards.
    void RefreshFiles();
    // Reads the folder again and keeps the selected entry selected, without selecting it again
    // (its boxes keep what was typed), while its file is there; else nothing is selected.
    void RereadFiles();

    // ".web File aktualisieren".
    void StoreEntry();
    // "Image + .web File LÖSCHEN !".
    void DeleteEntry();
    // "prüfen...": the check window, created on first use, shown without blocking this one.
    frmPruef& ShowCheck();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The entry file at list index `index`, or null where the list holds none.
    const std::string* FileAt(int index) const;
    void FileSelected(int index, int depth);
    void EntryTyped(const QString& text);
    void ShowLogo(const std::string& path);
    void FillList();

    FileList m_files;
    std::unique_ptr<frmPruef> m_check;
    int m_selectedAtPress = -1;  // the list's selected row when the mouse was last pressed on it

    QListWidget* File2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtEntry = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtLink = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtInfo = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtImage = nullptr;
    QLabel* picImage = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command4 = nullptr;
};
