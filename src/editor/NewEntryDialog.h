// frmNewEntry, the new entry dialog: takes a display name, an address (typed, pasted or caught
// from the clipboard), an info text and a captured logo, and adds the entry to a column.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class ClipboardWatch;
class ccXPButton;
class frmMain;
struct ProgramContext;

class frmNewEntry : public QDialog {
    Q_OBJECT

public:
    frmNewEntry(ProgramContext& context, frmMain& editor, QWidget* parent = nullptr);

    // "Übernehmen" (also Enter in the name and link boxes).
    void AcceptEntry();
    // "Abbrechen"; the title bar's close button does the same. Escape does nothing: one key
    // (or the repeat of the one held to end a capture) would throw away what was typed.
    void CancelEntry();
    // Hides the dialog and asks for a capture (captureRequested) or for the library browser.
    void StartCapture();
    void OpenLibrary();

    // The capture cut out a logo: shows it and the dialog again.
    void ShowCapturedLogo(const QString& file);
    // The capture ended without a new logo. A capture removes the previous cut-out, so a logo
    // shown from it is gone; a stored entry's logo stays.
    void ShowAfterFailedCapture();
    // Shows the dialog again as it was.
    void ShowAgain();
    void FocusName();
    // The library browser took an entry: stay hidden with the fields kept, and leave the
    // clipboard alone until shown again.
    void WaitHidden();

    bool WatchesClipboard() const;

    void reject() override { close(); }

signals:
    void captureRequested();
    void libraryRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void NameChanged(const QString& name);
    void ShowLogo(const QString& file);
    void ClearLogo();
    void SetLogoPresent(bool present);
    void SetFromLibrary(bool fromLibrary);
    void RefuseName(const char* text);
    bool FilterNameKey(QEvent* event);

    ProgramContext& context_;
    frmMain& editor_;
    bool placed_ = false;
    // The dialog's own view of the shared flags: the editor resets the shared ones when it asks
    // for the dialog again, while the dialog may still show the entry it held.
    bool logoPresent_ = false;
    bool fromLibrary_ = false;

    QLabel* Label1;  // "Eintrag:"
    QLineEdit* txtEntry;
    QLabel* Label2;  // "Info Text:"
    QLineEdit* txtInfo;
    QLabel* Label3;  // "Link / Adresse:"
    QLineEdit* txtLink;
    QLabel* Label4;  // the hint about copying the link
    QLabel* Label5;  // "Logo / Grafik:"
    QLabel* lblImage;
    QLabel* picLogo;
    QLabel* lblLogo;
    ccXPButton* ccXPButton6;  // "Link aus Preset-Liste auswählen..."
    ccXPButton* ccXPButton3;  // "<--  Logo 'einfangen'"
    ccXPButton* ccXPButton2;  // "Abbrechen"
    ccXPButton* ccXPButton1;  // "Übernehmen"
    ClipboardWatch* clipboardWatch_;
};
