#include "editor/LibraryWindow.h"

#include "app/ProgramContext.h"
#include "common/FileLookup.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/ListHelpers.h"
#include "common/gui/WindowHelpers.h"
#include "document/EntryFile.h"
#include "document/EntryLogo.h"
#include "editor/ColumnListWidget.h"
#include "editor/LogoGrid.h"
#include "editor/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QUrl>

#include <algorithm>

namespace {

const char* const kCaption = "Link-Sammlung";
const char* const kLinkLabel = "Link:";
const char* const kTake = "Link übernehmen";
const char* const kCancel = "Abbrechen";
const char* const kDelete = "Link aus Sammlung entfernen !";
const char* const kPreview = "Vorschau";
const char* const kPreviewTip = "Vorschau im Browser";
// "'" + web file + "' und dazugehörende Image-Datei '" + jpg file + "' löschen ?"
const char* const kDeleteQuestion = "'%1' und dazugehörende Image-Datei '%2' löschen ?";

// Window metrics in twips, converted where they are used.
constexpr int Px(int twips) { return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel); }

constexpr int kScreenTop = 400;       // the window's top on the screen
constexpr int kScreenShorter = 800;   // the window is this much shorter than the screen
constexpr int kMargin = 120;
constexpr int kTop = 60;
constexpr int kListWidth = 3000;      // the list and the three stacked buttons
constexpr int kFrameLeft = 3240;
constexpr int kButtonHeight = 375;
constexpr int kPreviewWidth = 1200;
constexpr int kLabelWidth = 420;
constexpr int kLinkLeft = 3720;
constexpr int kLinkHeight = 315;
constexpr int kLinkBelowFrame = 150;  // from the frame's bottom to the link box

} // namespace

frmLibrary::frmLibrary(ProgramContext& context, frmMain& editor, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_editor(editor)
{
    setObjectName(QStringLiteral("frmLibrary"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setMinimumSize(Px(kFrameLeft) + 320, 300);

    lstEntries = new QListWidget(this);
    lstEntries->setObjectName(QStringLiteral("lstEntries"));
    lstEntries->setAccessibleName(QStringLiteral("lstEntries"));
    lstEntries->setUniformItemSizes(true);

    Label1 = new QLabel(QString::fromUtf8(kLinkLabel), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtLink = new QLineEdit(this);
    txtLink->setObjectName(QStringLiteral("txtLink"));
    txtLink->setAccessibleName(Label1->text());
    Label1->setBuddy(txtLink);

    picFrame = new QFrame(this);
    picFrame->setObjectName(QStringLiteral("picFrame"));
    picFrame->setAccessibleName(QStringLiteral("picFrame"));
    picFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picFrame->setFocusPolicy(Qt::StrongFocus);
    m_viewport = new QWidget(picFrame);
    picSlide = new LogoGrid(m_viewport);
    QPalette face = picSlide->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    picSlide->setPalette(face);
    vsbSlide = new QScrollBar(Qt::Vertical, m_viewport);
    vsbSlide->setObjectName(QStringLiteral("vsbSlide"));
    vsbSlide->setAccessibleName(QStringLiteral("vsbSlide"));
    m_viewport->installEventFilter(this);
    picSlide->installEventFilter(this);

    Command1 = MakePushButton("Command1", kTake, this);
    Command2 = MakePushButton("Command2", kCancel, this);
    Command3 = MakePushButton("Command3", kDelete, this);
    Command4 = MakePushButton("Command4", kPreview, this);
    Command4->setToolTip(QString::fromUtf8(kPreviewTip));
    dummy = new QPushButton(this);
    dummy->setObjectName(QStringLiteral("dummy"));
    dummy->setAccessibleName(QStringLiteral("dummy"));
    dummy->setFlat(true);
    dummy->setGeometry(-20, -20, 1, 1);

    // The list's current row alone (given on focus) is no pick: only a selected item is.
    connect(lstEntries, &QListWidget::itemSelectionChanged, this, [this] { ShowLink(SelectedRow(*lstEntries)); });
    connect(lstEntries, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ShowLink(lstEntries->row(item)); });
    connect(lstEntries, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ShowLink(lstEntries->row(item));
        TakeEntry();
    });
    connect(picSlide, &LogoGrid::cellClicked, this, &frmLibrary::SelectEntry);
    connect(picSlide, &LogoGrid::cellDoubleClicked, this, [this](int index) {
        SelectEntry(index);
        TakeEntry();
    });
    connect(vsbSlide, &QScrollBar::valueChanged, this, &frmLibrary::Scrolled);
    connect(Command1, &QPushButton::clicked, this, &frmLibrary::TakeEntry);
    connect(Command2, &QPushButton::clicked, this, &frmLibrary::Cancel);
    connect(Command3, &QPushButton::clicked, this, &frmLibrary::DeleteEntry);
    connect(Command4, &QPushButton::clicked, this, &frmLibrary::PreviewLink);

    // The library is read when the window is shown, each time it is shown.
    File2.SetPattern(kEntryFilePattern);
    PlaceOnScreen();
    LayOut();
}

frmLibrary::~frmLibrary() = default;

void frmLibrary::PlaceOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The placement is of the whole window; its frame is known only once it has been shown.
    const QRect area = screen->geometry();
    const QSize frame = frameGeometry().size() - size();
    move(area.left(), area.top() + Px(kScreenTop));
    resize(area.width() - frame.width(), area.height() - Px(kScreenShorter) - frame.height());
}

bool frmLibrary::event(QEvent* event)
{
    // The desktop adds the frame only after the first showing: place the window once more then,
    // so that the whole window, frame included, has the size the placement asks for.
    if (!m_placedWithFrame && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        frameGeometry().size() != size()) {
        m_placedWithFrame = true;
        PlaceOnScreen();
    }
    return QWidget::event(event);
}

void frmLibrary::ShowLibrary()
{
    File2.SetFolder(m_context.Paths.LibraryFolder);
    LoadImages();
    show();
    raise();
    activateWindow();
}

void frmLibrary::LoadImages()
{
    m_entries = ReadLibraryEntries(File2.Folder(), File2.Files());
    QStringList names;
    QStringList logos;
    names.reserve(static_cast<int>(m_entries.size()));
    logos.reserve(static_cast<int>(m_entries.size()));
    const AnyCaseFolder library(File2.Folder());
    for (const LibraryEntry& entry : m_entries) {
        names << QString::fromStdString(entry.name);
        logos << QString::fromStdString(LibraryLogoPath(library, entry));
    }
    {
        // A list emptied and refilled selects nothing; the link box follows.
        const QSignalBlocker blocker(lstEntries);
        lstEntries->clear();
        lstEntries->addItems(names);
    }
    txtLink->clear();
    picSlide->SetLogos(logos);
    LayOut();
}

void frmLibrary::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void frmLibrary::LayOut()
{
    // The metrics are of the window's inside: a desktop's frame, from none to a thick title
    // bar, then never pushes a button out of the window.
    const int W = width();
    const int H = height();
    const int buttonHeight = Px(kButtonHeight);

    picFrame->setGeometry(Px(kFrameLeft), Px(kTop), std::max(0, W - Px(3380)), std::max(0, H - Px(900)));
    const int linkTop = picFrame->geometry().bottom() + 1 + Px(kLinkBelowFrame);
    Label1->setGeometry(Px(kFrameLeft), linkTop, Px(kLabelWidth), Px(kLinkHeight));
    txtLink->setGeometry(Px(kLinkLeft), linkTop, std::max(0, W - Px(kPreviewWidth) - Px(3820)), Px(kLinkHeight));
    Command4->setGeometry(W - Px(kPreviewWidth) - Px(kMargin), linkTop + (Px(kLinkHeight) - buttonHeight) / 2,
                          Px(kPreviewWidth), buttonHeight);

    const int top1 = H - buttonHeight - Px(500);
    const int top2 = top1 - buttonHeight - Px(40);
    const int top3 = top2 - buttonHeight - Px(40);
    Command1->setGeometry(Px(kMargin), top1, Px(kListWidth), buttonHeight);
    Command2->setGeometry(Px(kMargin), top2, Px(kListWidth), buttonHeight);
    Command3->setGeometry(Px(kMargin), top3, Px(kListWidth), buttonHeight);
    lstEntries->setGeometry(Px(kMargin), Px(kTop), Px(kListWidth), std::max(0, top3 - Px(120)));

    const QRect inner = picFrame->contentsRect();
    m_viewport->setGeometry(inner);
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vsbSlide);
    vsbSlide->setGeometry(inner.width() - barWidth, 0, barWidth, inner.height());

    const CellGrid grid = LayOutCells(picSlide->Cell(), static_cast<int>(m_entries.size()), inner.width(), barWidth);
    picSlide->SetGrid(grid);
    picSlide->move(0, 0);
    const ScrollRange range = GridScrollRange(grid.height, inner.height(), grid.cellHeight);
    const QSignalBlocker blocker(vsbSlide);
    vsbSlide->setValue(0);
    vsbSlide->setMaximum(range.maximum);
    vsbSlide->setEnabled(range.enabled);
    if (range.enabled) {
        vsbSlide->setSingleStep(range.singleStep);
        vsbSlide->setPageStep(range.pageStep);
    }
}

void frmLibrary::Scrolled(int value)
{
    picSlide->move(0, -value);
    picFrame->setFocus(Qt::OtherFocusReason);
}

bool frmLibrary::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over the grid scrolls it, as over any scrolled area.
    if ((watched == m_viewport || watched == picSlide) && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(vsbSlide, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmLibrary::ShowLink(int index)
{
    picSlide->SetSelected(index);
    if (index < 0 || index >= static_cast<int>(m_entries.size())) return;
    txtLink->setText(QString::fromStdString(ReadEntryKey(File2.Folder() + m_entries[index].file, "Link")));
}

void frmLibrary::SelectEntry(int index)
{
    if (index < 0 || index >= lstEntries->count()) return;
    lstEntries->setCurrentRow(index);
    ShowLink(index);
}

void frmLibrary::TakeEntry()
{
    const int row = SelectedRow(*lstEntries);
    if (row < 0 || row >= static_cast<int>(m_entries.size())) return;
    const QString name = lstEntries->item(row)->text();
    EditorSelection& selection = m_context.Selection;
    const int column = selection.TargetColumn;
    if (name.isEmpty() || column < 1 || column > kColumnCount) return;

    selection.EntryFromLibrary = true;
    selection.CurrentEntryName = name.toStdString();
    const TakenEntry taken = TakeLibraryEntry(m_context.Page, File2.Folder() + m_entries[row].file,
                                              selection.CurrentEntryName, txtLink->text().toStdString(), column,
                                              selection.TargetColumnCount);
    selection.LibraryImage = taken.image;

    const std::string logo = FindFileAnyCase(File2.Folder(), taken.image).value_or(File2.Folder() + taken.image);
    m_editor.AppendToColumn(column - 1, {name}, txtLink->text(),
                            taken.image.empty() ? QString() : QString::fromStdString(logo));

    m_editor.show();
    hide();
    emit entryTaken();
}

void frmLibrary::Cancel()
{
    hide();
    emit cancelled();
}

void frmLibrary::closeEvent(QCloseEvent* event)
{
    // The window is kept for the next time; closing it is cancelling.
    event->ignore();
    Cancel();
}

void frmLibrary::PreviewLink()
{
    dummy->setFocus(Qt::OtherFocusReason);
    const QString address = txtLink->text().trimmed();
    if (address.isEmpty()) return;
    Services().OpenUrl(QUrl::fromUserInput(address));
}

void frmLibrary::DeleteEntry()
{
    const int row = SelectedRow(*lstEntries);
    if (row < 0) return;
    if (lstEntries->item(row)->text().isEmpty() || row >= static_cast<int>(m_entries.size())) return;
    // The entry's own files, not names made from its display name: an entry file whose name does
    // not follow the naming rule could otherwise take another entry's files with it.
    const std::string file = m_entries[static_cast<std::size_t>(row)].file;
    const std::string logo = EntryOwnLogo(File2.Folder(), file);
    const QString question =
        QString::fromUtf8(kDeleteQuestion).arg(QString::fromStdString(file), QString::fromStdString(logo));
    if (!Services().AskYesNo(question, DefaultTitle())) return;
    DeleteLibraryEntry(File2.Folder(), file);
    File2.Refresh();
    LoadImages();
}
