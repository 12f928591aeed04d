// frmHead, the header line editor "Kopfzeile - Direkt-Eingabe Formen": which search forms of
// FormsFolder the page's header line shows, in which order, and its wallpaper. Made afresh for
// every opening and filled from the page file.
#pragma once

#include "common/FileList.h"

#include <QWidget>

class PictureChoice;
class QListWidget;
class ccXPButton;
struct ProgramContext;

class frmHead : public QWidget {
    Q_OBJECT

public:
    explicit frmHead(ProgramContext& context, QWidget* parent = nullptr);
    ~frmHead() override;

    // Lists the forms, reads the chosen ones from the page file, shows the window (not modal)
    // and loads the wallpaper preview.
    void Open();
    // Points the wallpaper list at BackFolder and shows the page's wallpaper and its use.
    void ReadImage();

    // The arrow buttons: add the selected form (once only), remove, move up, move down.
    void AddForm();
    void RemoveForm();
    void MoveUp();
    void MoveDown();
    // "Übernehmen": stores the forms, the wallpaper and its use, and closes the window.
    void Store();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ProgramContext& m_context;
    FileList m_forms;
    bool m_placed = false;

    QListWidget* File1 = nullptr;
    QListWidget* List1 = nullptr;
    ccXPButton* ccXPButton1 = nullptr;
    ccXPButton* ccXPButton2 = nullptr;
    ccXPButton* ccXPButton3 = nullptr;
    ccXPButton* ccXPButton4 = nullptr;
    ccXPButton* ccXPButton5 = nullptr;
    PictureChoice* Frame1 = nullptr;
};
