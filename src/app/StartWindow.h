// frmStart, the start window: lists the saved link pages and opens the picked one in the editor.
#pragma once

#include "common/FileList.h"

#include <QDialog>

class QLabel;
class QListWidget;
class ccXPButton;
class frmMain;
struct ProgramContext;

class frmStart : public QDialog {
    Q_OBJECT

public:
    frmStart(ProgramContext& context, frmMain& editor, QWidget* parent = nullptr);

    // Adds the names of the saved pages to the list; the list is not emptied first.
    void FillPageList();
    // Opens the selected page in the editor, records it as the last page and closes.
    void OpenPickedPage();

    QListWidget* PageList() const { return lstPinwall; }

    // Cancelling: "Abbrechen", Escape and the window's close button. The window closes; when it
    // came up at start-up, before the editor was ever shown, the program ends.
    void reject() override;

signals:
    // Right before the picked page replaces the open one, so that the windows working on the
    // open page can close while it is still theirs.
    void pageChanging();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramContext& context_;
    frmMain& editor_;
    bool cameAtStartUp_;
    bool placed_ = false;

    QLabel* Label1;
    QListWidget* lstPinwall;
    FileList filPnwFiles;
    ccXPButton* ccXPButton2;  // "Laden..."
    ccXPButton* ccXPButton1;  // "Abbrechen"
};
