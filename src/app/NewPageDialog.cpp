#include "app/NewPageDialog.h"

#include "app/ProgramContext.h"
#include "app/ProgramEnd.h"
#include "common/CodePage.h"
#include "common/Files.h"
#include "common/NameRules.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "document/PageFile.h"
#include "editor/MainWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const char* const kCaption = "Neue Pinwall-Seite erstellen";
const char* const kNameLabel = "Bezeichnung:";
const char* const kInitialName = "Pinwall";
const char* const kApply = "Übernehmen";
const char* const kCancel = "Abbrechen";
const char* const kPageExists = "Datei existiert bereits. Bitte Bezeichnung ändern.   ";
const char* const kBadName = "Die Bezeichnung darf keines der Zeichen \\ / : * ? \" < > | enthalten.   ";
const char* const kUnstorableName = "Die Bezeichnung darf nur Zeichen des westeuropäischen Zeichensatzes enthalten "
                                    "und weder mit einem Leerzeichen beginnen oder enden noch mit einem Punkt enden.   ";
}

bool IsUsablePageName(const QString& name)
{
    if (name.isEmpty()) return false;
    for (const QChar c : name) {
        if (c.unicode() < 32 || c.unicode() == 127 || QStringLiteral("\\/:*?\"<>|").contains(c)) return false;
    }
    return true;
}

bool IsStorablePageName(const QString& name)
{
    if (name.startsWith(' ') || name.endsWith(' ') || name.endsWith('.')) return false;
    return FitsCp1252(name.toStdString());
}

frmNewPage::frmNewPage(ProgramContext& context, frmMain& editor, QWidget* parent)
    : QDialog(parent), context_(context), editor_(editor)
{
    setObjectName("frmNewPage");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(kCaption));

    Label1 = new QLabel(QString::fromUtf8(kNameLabel), this);
    Label1->setObjectName("Label1");
    Text1 = new QLineEdit(QString::fromUtf8(kInitialName), this);
    Text1->setObjectName("Text1");
    Text1->setAccessibleName(Label1->text());
    Label1->setBuddy(Text1);
    Text1->installEventFilter(this);

    ccXPButton1 = new ccXPButton(this);
    ccXPButton1->setObjectName("ccXPButton1");
    ccXPButton1->setCaption(QString::fromUtf8(kApply));
    ccXPButton2 = new ccXPButton(this);
    ccXPButton2->setObjectName("ccXPButton2");
    ccXPButton2->setCaption(QString::fromUtf8(kCancel));
    for (ccXPButton* button : {ccXPButton1, ccXPButton2}) button->setFixedSize(110, 27);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ccXPButton1);
    buttons->addWidget(ccXPButton2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(340, 130);

    connect(ccXPButton1, &ccXPButton::Click, this, &frmNewPage::CreateNewPage);
    connect(ccXPButton2, &ccXPButton::Click, this, &frmNewPage::CancelNewPage);
    connect(Text1, &QLineEdit::returnPressed, this, &frmNewPage::CreateNewPage);
}

void frmNewPage::BackToNameField()
{
    Text1->setCursorPosition(Text1->text().size());
    Text1->setFocus();
}

void frmNewPage::CreateNewPage()
{
    const QString name = Text1->text();
    if (name.isEmpty()) {
        Text1->setFocus();
        return;
    }
    // Refused before anything is made: such a name would give a page that can never be saved,
    // folders outside the pages folder, or a LastEdit that names another page at the next start.
    const char* refusal = !IsUsablePageName(name) ? kBadName : !IsStorablePageName(name) ? kUnstorableName : nullptr;
    if (refusal) {
        ShowMessage(QString::fromUtf8(refusal), kMessageInformation);
        BackToNameField();
        return;
    }

    const std::string page = name.toStdString();
    PageState named;
    SetPageNames(context_.Paths, page, named);
    MakePageFolders(named);
    if (FileExists(named.PageFile)) {
        ShowMessage(QString::fromUtf8(kPageExists), kMessageInformation);
        BackToNameField();
        return;
    }

    // The background window stores into the open page as it closes, so the new page is made
    // from the open one only afterwards.
    emit pageChanging();
    PageState next = context_.Page;
    SetPageNames(context_.Paths, page, next);
    next.Columns = 3;
    context_.Page = next;  // pictures and their flags stay those of the page open before
    CreatePageFile(context_.Paths, page);
    editor_.SetColumns();
    editor_.setWindowTitle(QString::fromStdString(context_.Paths.Title + " - " + page));
    editor_.SetColumnLists(ColumnLists{});
    editor_.show();
    accept();
}

void frmNewPage::reject()
{
    QDialog::reject();  // closes the dialog (and so deletes it)
    if (context_.NewPageFromEditor)
        editor_.show();
    else
        EndProgram();
}

void frmNewPage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    CenterForm(*this);
    KeepInFrontOf(*this, QApplication::activeWindow());
    Text1->selectAll();
    Text1->setFocus();
}

bool frmNewPage::eventFilter(QObject* watched, QEvent* event)
{
    // Typed names pass the name filter; pasted text does not (as everywhere in the program).
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && text[0].unicode() >= 32) {
            const std::string ansi = Utf8ToCp1252(text.toStdString());
            int code = ansi.size() == 1 ? static_cast<unsigned char>(ansi[0]) : '?';
            if (FilterKey(code, 1) == 0) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
