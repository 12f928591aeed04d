// frmNewPage, the new page dialog: asks for the name of a new link page, creates its folders
// and page file and opens it, empty, in the editor.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class ccXPButton;
class frmMain;
struct ProgramContext;

class frmNewPage : public QDialog {
    Q_OBJECT

public:
    frmNewPage(ProgramContext& context, frmMain& editor, QWidget* parent = nullptr);

    void CreateNewPage();               // "Übernehmen", Enter in the name field
    void CancelNewPage() { reject(); }  // "Abbrechen"

    QLineEdit* NameField() const { return Text1; }

    // Cancelling: "Abbrechen", Escape and the window's close button. The dialog closes and the
    // editor comes back; at start-up, with no editor to come back to, the program ends.
    void reject() override;

signals:
    // Right before the new page replaces the open one, so that the windows working on the open
    // page can close while it is still theirs.
    void pageChanging();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BackToNameField();

    ProgramContext& context_;
    frmMain& editor_;
    bool placed_ = false;

    QLabel* Label1;
    QLineEdit* Text1;
    ccXPButton* ccXPButton1;  // "Übernehmen"
    ccXPButton* ccXPButton2;  // "Abbrechen"
};

// True when the name is not empty and holds none of the characters that no file name on Windows
// or Linux may hold.
bool IsUsablePageName(const QString& name);
// True when the name comes back unchanged from the settings file (Windows-1252, values trimmed)
// and Windows keeps it as a file name (no dot or blank at the end).
bool IsStorablePageName(const QString& name);
