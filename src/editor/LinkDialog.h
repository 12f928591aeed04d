// frmLink, the link dialog: changes the address and info text of an entry placed in a column,
// in the page file and in the entry's library file.
#pragma once

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class ccXPButton;
class frmMain;
struct ProgramContext;

class frmLink : public QDialog {
    Q_OBJECT

public:
    frmLink(ProgramContext& context, frmMain& editor, QWidget* parent = nullptr);

    // Takes the entry the editor handed over (CurrentEntryName, TargetColumn, LinkBefore,
    // InfoBefore), shows it and gives the link box the focus.
    void Open();
    // "Übernehmen" (also Enter in the link box): stores what changed and closes.
    void ApplyChange();

    void reject() override { close(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramContext& context_;
    frmMain& editor_;
    bool placed_ = false;
    // The hand-over values, kept: the editor's record changes with the next pick.
    std::string entryName_;
    int column_ = 1;
    std::string linkBefore_;
    std::string infoBefore_;

    std::array<QLabel*, 2> Label1{};  // "Link / Adresse:", "Info Text:"
    QLineEdit* txtLink;
    QLineEdit* txtInfo;
    ccXPButton* ccXPButton1;  // "Übernehmen"
};
