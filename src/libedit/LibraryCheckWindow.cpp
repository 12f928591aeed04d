#include "libedit/LibraryCheckWindow.h"

#include "common/gui/WindowHelpers.h"
#include "libedit/LibraryEditorWindow.h"
#include "libedit/PinEditTexts.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace pinedit;

frmPruef::frmPruef(Form1& editor, QWidget* parent) : QDialog(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("frmPruef"));
    setWindowTitle(QString::fromUtf8(kCheckCaption));

    Command1 = MakePushButton("Command1", kCheckFileNames, this);
    Command4 = MakePushButton("Command4", kCheckLogoNames, this);
    Command3 = MakePushButton("Command3", kCheckLinks, this);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);
    auto* all = new QVBoxLayout(this);
    all->addLayout(buttons);
    all->addWidget(Text1, 1);

    connect(Command1, &QPushButton::clicked, this, [this] { RunCheck(LibraryCheck::EntryFileName); });
    connect(Command4, &QPushButton::clicked, this, [this] { RunCheck(LibraryCheck::EntryLogoName); });
    connect(Command3, &QPushButton::clicked, this, [this] { RunCheck(LibraryCheck::Link); });

    resize(520, 340);
    CenterForm(*this);
    MakeTopmost(*this);
}

void frmPruef::RunCheck(LibraryCheck check)
{
    // An entry changed or deleted meanwhile is checked as it is now, not as the list last saw it.
    m_editor.RereadFiles();
    const LibraryCheckResult result = RunLibraryCheck(check, m_editor.Folder(), m_editor.Files());
    m_log = result.log;
    // The box breaks lines at "\n"; the log keeps the CR LF of its format.
    Text1->setPlainText(QString::fromStdString(m_log).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Text1->moveCursor(QTextCursor::End);
    if (result.failedIndex >= 0) m_editor.SelectFile(result.failedIndex);
}
