#include "libedit/LibraryEditorWindow.h"

#include "common/Files.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "document/EntryLibrary.h"
#include "document/EntryLogo.h"
#include "document/LibraryEdit.h"
#include "libedit/LibraryCheckWindow.h"
#include "libedit/PinEditTexts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace pinedit;

namespace {

// The logo field: room for the usual logo; larger pictures are shown scaled down.
constexpr int kLogoWidth = 260;
constexpr int kLogoHeight = 110;

// A selection that renames the entry file selects the renamed file and so runs again. Only the
// user's own selection follows a failed rename to the file that holds the name already; a chain
// of entries naming each other's files then ends after one step instead of going round.
constexpr int kUserSelection = 0;

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

} // namespace

Form1::Form1(const AppPaths& paths, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kEditorCaption));
    // A main window: assistive technology announces it as the program's frame.
    auto* client = new QWidget(this);
    setCentralWidget(client);

    File2 = new QListWidget(client);
    File2->setObjectName(QStringLiteral("File2"));
    File2->setAccessibleName(QStringLiteral("File2"));
    File2->setMinimumWidth(220);

    const auto field = [client](const char* name, const char* labelName, const char* caption, QLabel*& label) {
        label = new QLabel(QString::fromUtf8(caption), client);
        label->setObjectName(QString::fromUtf8(labelName));
        auto* box = new QLineEdit(client);
        box->setObjectName(QString::fromUtf8(name));
        box->setAccessibleName(label->text());
        label->setBuddy(box);
        return box;
    };
    txtEntry = field("txtEntry", "Label4", kEntryLabel, Label4);
    txtLink = field("txtLink", "Label1", kLinkLabel, Label1);
    txtInfo = field("txtInfo", "Label2", kInfoLabel, Label2);
    txtImage = field("txtImage", "Label3", kImageLabel, Label3);

    picImage = new QLabel(client);
    picImage->setObjectName(QStringLiteral("picImage"));
    picImage->setAccessibleName(QStringLiteral("picImage"));
    picImage->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picImage->setFixedSize(kLogoWidth + 2 * picImage->frameWidth(), kLogoHeight + 2 * picImage->frameWidth());
    picImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = MakePushButton("Command1", kStore, client);
    Command2 = MakePushButton("Command2", kDelete, client);
    Command4 = MakePushButton("Command4", kCheck, client);

    auto* fields = new QGridLayout;
    int row = 0;
    for (auto [label, box] : {std::pair{Label4, txtEntry}, {Label1, txtLink}, {Label2, txtInfo}, {Label3, txtImage}}) {
        fields->addWidget(label, row, 0);
        fields->addWidget(box, row, 1);
        ++row;
    }
    fields->addWidget(picImage, row, 1, Qt::AlignLeft);
    fields->setColumnStretch(1, 1);
    fields->setRowStretch(row + 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Command4);
    auto* right = new QVBoxLayout;
    right->addLayout(fields, 1);
    right->addLayout(buttons);
    auto* all = new QHBoxLayout(client);
    all->addWidget(File2);
    all->addLayout(right, 1);

    // A selection made by mouse or keyboard; the window's own selections call the handler directly.
    connect(File2, &QListWidget::itemSelectionChanged, this, [this] {
        const int index = SelectedIndex();
        if (index < 0) return;
        if (File2->currentRow() != index) {
            const QSignalBlocker blocker(File2);
            File2->setCurrentRow(index);
        }
        FileSelected(index, kUserSelection);
    });
    // A click on the entry already selected selects it again: a name stored meanwhile is brought
    // into line at once.
    File2->viewport()->installEventFilter(this);
    connect(File2, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = File2->row(item);
        if (row >= 0 && row == m_selectedAtPress) FileSelected(row, kUserSelection);
    });
    connect(txtEntry, &QLineEdit::textChanged, this, &Form1::EntryTyped);
    connect(Command1, &QPushButton::clicked, this, &Form1::StoreEntry);
    connect(Command2, &QPushButton::clicked, this, &Form1::DeleteEntry);
    connect(Command4, &QPushButton::clicked, this, [this] { ShowCheck(); });

    m_files.SetPattern(kEntryFilePattern);
    m_files.SetFolder(paths.ProgramFolder);
    RefreshFiles();
    resize(720, 360);
    CenterForm(*this);
}

Form1::~Form1() = default;

int Form1::SelectedIndex() const
{
    // The selected item, whether the mouse, the keyboard or assistive technology selected it;
    // the last two need not move the current item.
    const QList<QListWidgetItem*> selected = File2->selectedItems();
    return selected.isEmpty() ? -1 : File2->row(selected.first());
}

void Form1::RefreshFiles()
{
    m_files.Refresh();
    FillList();
}

void Form1::FillList()
{
    const QSignalBlocker blocker(File2);
    File2->clear();
    for (const std::string& file : m_files.Files()) File2->addItem(Q(file));
}

void Form1::RereadFiles()
{
    const std::string* selected = FileAt(SelectedIndex());
    const std::string file = selected ? *selected : std::string();
    const std::vector<std::string> before = m_files.Files();
    m_files.Refresh();
    if (m_files.Files() == before) return;
    const int scrolled = File2->verticalScrollBar()->value();
    FillList();
    File2->verticalScrollBar()->setValue(scrolled);
    const auto& files = m_files.Files();
    const auto it = std::find(files.begin(), files.end(), file);
    if (file.empty() || it == files.end()) return;
    const QSignalBlocker blocker(File2);
    File2->setCurrentRow(static_cast<int>(it - files.begin()));
}

void Form1::SelectFile(int index)
{
    if (index < 0 || index >= File2->count()) return;
    {
        const QSignalBlocker blocker(File2);
        File2->setCurrentRow(index);
    }
    FileSelected(index, kUserSelection);
}

const std::string* Form1::FileAt(int index) const
{
    const std::vector<std::string>& files = m_files.Files();
    return index >= 0 && index < static_cast<int>(files.size()) ? &files[static_cast<std::size_t>(index)] : nullptr;
}

void Form1::FileSelected(int index, int depth)
{
    const std::string* selected = FileAt(index);
    if (!selected) return;
    // A copy: the list is read again below.
    const std::string file = *selected;
    const OpenedEntry opened = OpenLibraryEntry(Folder(), file);

    // The name box's own change suggests a logo name; the selection's, from the stem, comes after.
    txtLink->setText(Q(opened.values.link));
    txtInfo->setText(Q(opened.values.info));
    txtEntry->setText(Q(opened.values.entry));
    txtImage->setText(Q(opened.values.image));
    ShowLogo(opened.logoPath);

    const std::string& expected = opened.expectedFile;
    if (expected.empty() || expected == file || !FileExists(Folder() + file)) return;
    // Never over another entry's file: then the entry of that name is shown instead.
    const bool renamed = RenameFileNoReplace(Folder() + file, Folder() + expected);
    RefreshFiles();
    const auto& files = m_files.Files();
    const auto at = [&files](const std::string& name) {
        const auto it = std::find(files.begin(), files.end(), name);
        return it == files.end() ? -1 : static_cast<int>(it - files.begin());
    };
    const int target = at(expected);
    const bool follow = target >= 0 && (renamed || depth == kUserSelection);
    const int shown = follow ? target : at(file);
    if (shown < 0) return;
    {
        const QSignalBlocker blocker(File2);
        File2->setCurrentRow(shown);
    }
    if (follow) FileSelected(target, depth + 1);
}

void Form1::EntryTyped(const QString& text)
{
    txtImage->setText(Q(TypedLogoName(S(text))));
}

void Form1::ShowLogo(const std::string& path)
{
    // An entry without a logo shows none, not the logo of the entry shown before.
    QPixmap logo;
    if (!path.empty() && FileExists(path)) logo.load(Q(path));
    if (!logo.isNull() && (logo.width() > kLogoWidth || logo.height() > kLogoHeight))
        logo = logo.scaled(kLogoWidth, kLogoHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picImage->setPixmap(logo);
}

void Form1::StoreEntry()
{
    const std::string* selected = FileAt(SelectedIndex());
    if (!selected) return;
    // A copy: the list may be read again below.
    const std::string file = *selected;
    const EntryValues values{S(txtEntry->text()), S(txtLink->text()), S(txtInfo->text()), S(txtImage->text())};
    const StoreResult result = StoreLibraryEntry(Folder(), file, values);
    if (result.gone) {
        RereadFiles();
        return;
    }
    if (result.notWritten) {
        ShowMessage(QString::fromUtf8(kNotWritten).arg(Q(file)), kMessageWarning);
        return;
    }
    const char* refusal = nullptr;
    switch (result.problem) {
    case EntryNameProblem::None: break;
    case EntryNameProblem::NoLetterOrDigit: refusal = kNameNeedsLetter; break;
    case EntryNameProblem::NotStorable: refusal = kNameNotWestern; break;
    case EntryNameProblem::PathSeparator: refusal = kNameHasSeparator; break;
    }
    QString message = refusal ? QString::fromUtf8(refusal) : QString();
    if (!result.takenFile.empty()) message = QString::fromUtf8(kNameOfOtherEntry).arg(Q(result.takenFile));
    if (message.isEmpty()) return;
    ShowMessage(message, kMessageInformation);
    txtEntry->setFocus(Qt::OtherFocusReason);
}

void Form1::DeleteEntry()
{
    const std::string* selected = FileAt(SelectedIndex());
    if (!selected) return;
    // A copy: the list is read again below.
    const std::string file = *selected;
    if (!Services().AskYesNo(QString::fromUtf8(kDeleteQuestion).arg(Q(file)), DefaultTitle())) return;
    // The entry's own logo, never what the Image box holds: a name typed there may be another
    // entry's logo, an entry file or the program.
    const EntryDeletion deletion = DeleteLibraryEntry(Folder(), file);
    RefreshFiles();
    if (!deletion.failedFile.empty())
        ShowMessage(QString::fromUtf8(kNotDeleted).arg(Q(deletion.failedFile)), kMessageWarning);
}

frmPruef& Form1::ShowCheck()
{
    if (!m_check) m_check = std::make_unique<frmPruef>(*this);
    m_check->show();
    m_check->raise();
    m_check->activateWindow();
    return *m_check;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == File2->viewport() && event->type() == QEvent::MouseButtonPress) m_selectedAtPress = SelectedIndex();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event)
{
    // The main program may have changed the library while another window was in front.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) RereadFiles();
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The check window works on this window's list; it goes with it.
    if (m_check) m_check->close();
    QMainWindow::closeEvent(event);
}
