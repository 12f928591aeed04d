#include "editor/LinkDialog.h"

#include "app/ProgramContext.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "document/EntryStore.h"
#include "editor/MainWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const char* const kLinkLabel = "Link / Adresse:";
const char* const kInfoLabel = "Info Text:";
const char* const kInfoTip = "z.B. Die beste Suchmaschine";
const char* const kApply = "Übernehmen";

constexpr int kClientWidth = 440;
constexpr int kClientHeight = 136;
} // namespace

frmLink::frmLink(ProgramContext& context, frmMain& editor, QWidget* parent)
    : QDialog(parent), context_(context), editor_(editor)
{
    setObjectName("frmLink");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // No caption: an empty title would get the program's name.
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(kClientWidth, kClientHeight);

    const char* const labels[] = {kLinkLabel, kInfoLabel};
    for (int i = 0; i < 2; ++i) {
        Label1[i] = new QLabel(QString::fromUtf8(labels[i]), this);
        Label1[i]->setObjectName(QStringLiteral("Label1%1").arg(i));
        Label1[i]->adjustSize();
        Label1[i]->move(8, 8 + i * 46);
    }
    txtLink = new QLineEdit(this);
    txtLink->setObjectName("txtLink");
    txtLink->setGeometry(8, 24, 424, 21);
    txtInfo = new QLineEdit(this);
    txtInfo->setObjectName("txtInfo");
    txtInfo->setGeometry(8, 70, 424, 21);
    txtInfo->setToolTip(QString::fromUtf8(kInfoTip));
    const std::array<QLineEdit*, 2> boxes{txtLink, txtInfo};
    for (int i = 0; i < 2; ++i) {
        boxes[i]->setAccessibleName(Label1[i]->text());
        Label1[i]->setBuddy(boxes[i]);
    }

    ccXPButton1 = new ccXPButton(this);
    ccXPButton1->setObjectName("ccXPButton1");
    ccXPButton1->setCaption(QString::fromUtf8(kApply));
    ccXPButton1->setGeometry(292, 100, 140, 29);

    connect(txtLink, &QLineEdit::returnPressed, this, &frmLink::ApplyChange);
    connect(ccXPButton1, &ccXPButton::Click, this, &frmLink::ApplyChange);
}

void frmLink::Open()
{
    const EditorSelection& selection = context_.Selection;
    entryName_ = selection.CurrentEntryName;
    column_ = selection.TargetColumn;
    linkBefore_ = selection.LinkBefore;
    infoBefore_ = selection.InfoBefore;
    txtInfo->setText(QString::fromStdString(infoBefore_));
    txtLink->setText(QString::fromStdString(linkBefore_));
    show();
    raise();
    activateWindow();
    txtLink->setFocus();
}

void frmLink::ApplyChange()
{
    QLineEdit* editorLink = (column_ >= 1 && column_ <= kColumnCount) ? editor_.LinkField(column_ - 1) : nullptr;
    const LinkEdit edit{entryName_,
                        linkBefore_,
                        infoBefore_,
                        txtLink->text().toStdString(),
                        txtInfo->text().toStdString(),
                        editorLink ? editorLink->text().toStdString() : std::string()};
    if (StoreLinkEdit(context_.Paths, context_.Page, edit) && editorLink) editorLink->setText(txtLink->text());
    close();
}

void frmLink::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    CenterForm(*this);
    MakeTopmost(*this);
}

void frmLink::closeEvent(QCloseEvent* event)
{
    editor_.show();
    // Not QDialog's: it would call reject(), which closes, and so refuse this close.
    event->accept();
}
