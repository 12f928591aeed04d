// frmLibrary, the library browser "Link-Sammlung": every entry of the library by name and by logo,
// from which the user takes one entry into the column being edited, previews its address in the
// browser or deletes it. Created once, then shown and hidden; filled again each time it is shown.
#pragma once

#include "common/FileList.h"
#include "document/EntryLibrary.h"

#include <QWidget>

#include <vector>

class LogoGrid;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class frmMain;
struct ProgramContext;

class frmLibrary : public QWidget {
    Q_OBJECT

public:
    frmLibrary(ProgramContext& context, frmMain& editor, QWidget* parent = nullptr);
    ~frmLibrary() override;

    // Reads the library again, fills list and grid and shows the window.
    void ShowLibrary();
    // Fills list and grid from the library folder as File2 lists it, then lays the window out.
    void LoadImages();

    // Picks entry `index` as a click on its name or its logo does.
    void SelectEntry(int index);
    // "Link übernehmen": puts the selected entry into the editor's column being edited.
    void TakeEntry();
    // "Abbrechen".
    void Cancel();
    // "Vorschau": the address in the link box, in the default browser.
    void PreviewLink();
    // "Link aus Sammlung entfernen !": asks, then deletes the entry file and its logo.
    void DeleteEntry();

    LogoGrid* Grid() const { return picSlide; }

signals:
    // "Abbrechen" or the title bar's close button hid the window.
    void cancelled();
    // The entry is in the editor's column; the editor is shown and this window hidden.
    void entryTaken();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceOnScreen();
    void LayOut();
    void ShowLink(int index);
    void Scrolled(int value);

    ProgramContext& m_context;
    frmMain& m_editor;
    FileList File2;
    std::vector<LibraryEntry> m_entries;  // one per item of lstEntries, same order
    bool m_placedWithFrame = false;

    QListWidget* lstEntries = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtLink = nullptr;
    QFrame* picFrame = nullptr;
    QWidget* m_viewport = nullptr;  // the inside of picFrame's border, clipping the grid
    LogoGrid* picSlide = nullptr;
    QScrollBar* vsbSlide = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* dummy = nullptr;
};
