#include "app/StartWindow.h"

#include "app/ProgramContext.h"
#include "app/ProgramEnd.h"
#include "common/Ini.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "document/PageFile.h"
#include "editor/MainWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
const char* const kPickLabel = "gespeicherte Link-Seite auswählen:";
const char* const kLoad = "Laden...";
const char* const kCancel = "Abbrechen";
}

frmStart::frmStart(ProgramContext& context, frmMain& editor, QWidget* parent)
    : QDialog(parent), context_(context), editor_(editor), cameAtStartUp_(!editor.isVisible())
{
    setObjectName("frmStart");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(context_.Paths.Title));

    Label1 = new QLabel(QString::fromUtf8(kPickLabel), this);
    Label1->setObjectName("Label1");
    lstPinwall = new QListWidget(this);
    lstPinwall->setObjectName("lstPinwall");
    lstPinwall->setAccessibleName(Label1->text());
    Label1->setBuddy(lstPinwall);
    lstPinwall->installEventFilter(this);

    ccXPButton2 = new ccXPButton(this);
    ccXPButton2->setObjectName("ccXPButton2");
    ccXPButton2->setCaption(QString::fromUtf8(kLoad));
    ccXPButton1 = new ccXPButton(this);
    ccXPButton1->setObjectName("ccXPButton1");
    ccXPButton1->setCaption(QString::fromUtf8(kCancel));
    for (ccXPButton* button : {ccXPButton2, ccXPButton1}) button->setFixedSize(110, 27);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ccXPButton2);
    buttons->addWidget(ccXPButton1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstPinwall, 1);
    layout->addLayout(buttons);
    resize(360, 300);

    connect(ccXPButton2, &ccXPButton::Click, this, &frmStart::OpenPickedPage);
    connect(ccXPButton1, &ccXPButton::Click, this, &frmStart::reject);
    connect(lstPinwall, &QListWidget::itemDoubleClicked, this, [this] { OpenPickedPage(); });
}

void frmStart::FillPageList()
{
    filPnwFiles.SetFolder(context_.Paths.PageFilesFolder);
    filPnwFiles.SetPattern("*.pnw");
    for (const std::string& file : filPnwFiles.Files())
        lstPinwall->addItem(QString::fromStdString(file.substr(0, file.size() - 4)));
}

void frmStart::OpenPickedPage()
{
    const QListWidgetItem* item = lstPinwall->currentItem();
    const std::string name = item && item->isSelected() ? item->text().toStdString() : std::string();
    if (name.empty()) return;

    emit pageChanging();
    ColumnLists columns;
    StartPageMarks marks = editor_.Marks();
    OpenPageFromList(context_.Paths, name, context_.Page, columns, marks);
    editor_.SetColumnLists(columns);
    editor_.SetMarks(marks);
    editor_.SetColumns();
    editor_.setWindowTitle(QString::fromStdString(context_.Paths.Title + " - " + name));
    editor_.show();
    WriteIni("PinwallEdit", "LastEdit", name, context_.Paths.SettingsFile);
    accept();
}

void frmStart::reject()
{
    QDialog::reject();  // closes the window (and so deletes it)
    // With nothing else on the screen the program ends. Opened from the editor, the window only
    // closes, even when the editor has stepped aside for a dialog in the meantime.
    if (cameAtStartUp_ && !editor_.isVisible()) EndProgram();
}

void frmStart::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    CenterForm(*this);
    MakeTopmost(*this);
}

bool frmStart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstPinwall && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenPickedPage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
