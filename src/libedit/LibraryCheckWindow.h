// frmPruef, PinEdit's check window: three checks over the editor's list of entry files. A check
// logs one line per entry and stops at the first that fails, selecting it in the editor, whose
// selection repairs its names; running the check again goes on from there.
#pragma once

#include "document/LibraryCheck.h"

#include <QDialog>

#include <string>

class Form1;
class QPlainTextEdit;
class QPushButton;

class frmPruef : public QDialog {
    Q_OBJECT

public:
    explicit frmPruef(Form1& editor, QWidget* parent = nullptr);

    void RunCheck(LibraryCheck check);
    // The log of the last check, CR LF before each line.
    const std::string& Log() const { return m_log; }

private:
    Form1& m_editor;
    std::string m_log;

    QPushButton* Command1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
};
