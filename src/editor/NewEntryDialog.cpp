#include "editor/NewEntryDialog.h"

#include "app/ProgramContext.h"
#include "common/CodePage.h"
#include "common/Files.h"
#include "common/NameRules.h"
#include "common/gui/ClipboardWatch.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/ListHelpers.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "document/EntryFile.h"
#include "document/EntryNameCheck.h"
#include "document/EntryStore.h"
#include "editor/ColumnListWidget.h"
#include "editor/MainWindow.h"
#include "editor/NewEntryDialogTexts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int kClientWidth = 789;
constexpr int kClientHeight = 229;
const QColor kInfoBackground(0xFF, 0xFF, 0xC0);
const QColor kDarkBlue(0x00, 0x00, 0x80);

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The system's sans serif at the size the dialog was laid out for.
QFont SansFont(double points, bool bold)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont VerdanaFont(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(const char* name, const char* text, int x, int y, QWidget* parent)
{
    auto* label = new QLabel(Text(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->adjustSize();
    label->move(x, y);
    return label;
}

// A label left of a control ends before it, also where the font is wider than the one the
// places were measured in.
void KeepLeftOf(QLabel& label, int right)
{
    if (label.x() + label.width() > right - 2) label.move(std::max(0, right - 2 - label.width()), label.y());
}

QLineEdit* MakeTextBox(const char* name, const QRect& place, QLabel* label, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    box->setAccessibleName(label->text());
    label->setBuddy(box);
    return box;
}

ccXPButton* MakeButton(const char* name, const char* caption, const QRect& place, const QFont& font,
                       QWidget* parent)
{
    auto* button = new ccXPButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCaption(Text(caption));
    button->setFont(font);
    button->setGeometry(place);
    return button;
}

} // namespace

frmNewEntry::frmNewEntry(ProgramContext& context, frmMain& editor, QWidget* parent)
    : QDialog(parent), context_(context), editor_(editor)
{
    setObjectName("frmNewEntry");
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed tool window: small caption, close button only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Text(NewEntryTexts::Caption));
    setFont(SansFont(8.25, false));
    setFixedSize(kClientWidth, kClientHeight);
    BuildControls();

    connect(txtEntry, &QLineEdit::textChanged, this, &frmNewEntry::NameChanged);
    // Pasted names pass the name filter as typed ones do: "[", "]" or "/" would break the files.
    connect(txtEntry, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString kept = QString::fromStdString(FilterPastedText(text.toStdString(), 1));
        if (kept != text) txtEntry->setText(kept);
    });
    connect(txtEntry, &QLineEdit::returnPressed, this, &frmNewEntry::AcceptEntry);
    connect(txtLink, &QLineEdit::returnPressed, this, &frmNewEntry::AcceptEntry);
    connect(ccXPButton1, &ccXPButton::Click, this, &frmNewEntry::AcceptEntry);
    connect(ccXPButton2, &ccXPButton::Click, this, &frmNewEntry::CancelEntry);
    connect(ccXPButton3, &ccXPButton::Click, this, &frmNewEntry::StartCapture);
    connect(ccXPButton6, &ccXPButton::Click, this, &frmNewEntry::OpenLibrary);

    clipboardWatch_ = new ClipboardWatch(*this, [this](const QString& text) {
        if (!LooksLikeAddress(text.left(8).toStdString())) return false;
        txtLink->setText(QString::fromStdString(AddressFromClipboard(text.toStdString())));
        return true;
    });
    clipboardWatch_->Start();

    SetLogoPresent(false);
    SetFromLibrary(false);
}

void frmNewEntry::BuildControls()
{
    Label1 = MakeLabel("Label1", NewEntryTexts::EntryLabel, 12, 12, this);
    txtEntry = MakeTextBox("txtEntry", QRect(60, 8, 233, 21), Label1, this);
    txtEntry->setFont(SansFont(8.25, true));
    txtEntry->setToolTip(Text(NewEntryTexts::EntryTip));

    Label2 = MakeLabel("Label2", NewEntryTexts::InfoLabel, 312, 12, this);
    txtInfo = MakeTextBox("txtInfo", QRect(360, 8, 421, 21), Label2, this);
    txtInfo->setText(QString::fromUtf8(kInfoPlaceholder));
    txtInfo->setToolTip(Text(NewEntryTexts::InfoTip));
    QPalette infoColours = txtInfo->palette();
    infoColours.setColor(QPalette::Base, kInfoBackground);
    txtInfo->setPalette(infoColours);

    Label3 = MakeLabel("Label3", NewEntryTexts::LinkLabel, 12, 36, this);
    txtLink = MakeTextBox("txtLink", QRect(12, 48, 769, 19), Label3, this);
    txtLink->setToolTip(Text(NewEntryTexts::LinkTip) + Text(NewEntryTexts::ExampleAddress));
    txtLink->setReadOnly(true);

    Label4 = new QLabel(Text(NewEntryTexts::Hint), this);
    Label4->setObjectName("Label4");
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setGeometry(12, 68, 705, 33);

    Label5 = MakeLabel("Label5", NewEntryTexts::LogoLabel, 12, 100, this);
    lblImage = new QLabel(this);
    lblImage->setObjectName("lblImage");
    lblImage->setGeometry(std::max(87, Label5->x() + Label5->width() + 2), 99, 236, 17);

    picLogo = new QLabel(this);
    picLogo->setObjectName("picLogo");
    picLogo->setGeometry(12, 112, 309, 109);
    picLogo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picLogo->setAutoFillBackground(true);
    QPalette white = picLogo->palette();
    white.setColor(QPalette::Window, Qt::white);
    picLogo->setPalette(white);
    picLogo->setToolTip(Text(NewEntryTexts::PictureTip));
    picLogo->setAccessibleName(Label5->text());
    picLogo->setCursor(Qt::PointingHandCursor);
    Label5->setBuddy(picLogo);

    lblLogo = new QLabel(Text(NewEntryTexts::NoLogo), picLogo);
    lblLogo->setObjectName("lblLogo");
    lblLogo->setAccessibleName(lblLogo->text());
    lblLogo->setWordWrap(true);
    lblLogo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblLogo->setGeometry(52, 48, 209, lblLogo->heightForWidth(209));
    lblLogo->setCursor(Qt::PointingHandCursor);

    ccXPButton6 = MakeButton("ccXPButton6", NewEntryTexts::Library, QRect(516, 92, 265, 49), VerdanaFont(9, true), this);
    ccXPButton6->setForeColor(kDarkBlue);
    ccXPButton3 = MakeButton("ccXPButton3", NewEntryTexts::Capture, QRect(324, 144, 149, 33), VerdanaFont(9, false), this);
    ccXPButton3->setToolTip(Text(NewEntryTexts::CaptureTip));
    ccXPButton2 = MakeButton("ccXPButton2", NewEntryTexts::Cancel, QRect(516, 144, 265, 33), VerdanaFont(9, false), this);
    ccXPButton1 = MakeButton("ccXPButton1", NewEntryTexts::Accept, QRect(516, 181, 265, 41), VerdanaFont(12, true), this);

    KeepLeftOf(*Label1, txtEntry->x());
    KeepLeftOf(*Label2, txtInfo->x());

    setTabOrder(txtEntry, txtInfo);
    setTabOrder(txtInfo, txtLink);
    setTabOrder(txtLink, ccXPButton6);
    setTabOrder(ccXPButton6, ccXPButton3);
    setTabOrder(ccXPButton3, ccXPButton2);
    setTabOrder(ccXPButton2, ccXPButton1);

    for (QObject* watched : {static_cast<QObject*>(txtEntry), static_cast<QObject*>(txtInfo),
                             static_cast<QObject*>(txtLink), static_cast<QObject*>(picLogo),
                             static_cast<QObject*>(lblLogo)})
        watched->installEventFilter(this);
}

void frmNewEntry::SetLogoPresent(bool present)
{
    logoPresent_ = present;
    context_.Selection.LogoPresent = present;
}

void frmNewEntry::SetFromLibrary(bool fromLibrary)
{
    fromLibrary_ = fromLibrary;
    context_.Selection.EntryFromLibrary = fromLibrary;
}

void frmNewEntry::ShowLogo(const QString& file)
{
    const QPixmap logo(file);
    if (logo.isNull()) {
        ClearLogo();
        return;
    }
    ShowPictureWhole(*picLogo, logo);
    lblLogo->hide();
    SetLogoPresent(true);
}

void frmNewEntry::ClearLogo()
{
    picLogo->clear();
    lblLogo->show();
    SetLogoPresent(false);
}

void frmNewEntry::NameChanged(const QString& name)
{
    txtInfo->setText(QString::fromUtf8(kInfoPlaceholder));
    txtLink->clear();
    ClearLogo();
    if (name.isEmpty()) {
        txtLink->setReadOnly(true);
        return;
    }
    txtLink->setReadOnly(false);
    const std::string displayName = name.toStdString();
    lblImage->setText(QString::fromStdString(EntryLogoName(displayName)));

    const std::optional<StoredEntry> stored = LoadStoredEntry(context_.Paths, displayName);
    if (!stored) {
        SetFromLibrary(false);
        return;
    }
    if (!stored->logoPath.empty()) ShowLogo(QString::fromStdString(stored->logoPath));
    txtLink->setText(QString::fromStdString(stored->link));
    txtInfo->setText(QString::fromStdString(stored->info));
    SetFromLibrary(true);
}

void frmNewEntry::RefuseName(const char* text)
{
    ShowMessage(Text(text), kMessageInformation);
    txtEntry->setFocus();
}

void frmNewEntry::AcceptEntry()
{
    const QString name = txtEntry->text();
    if (name.isEmpty()) {
        RefuseName(NewEntryTexts::NoName);
        return;
    }
    // Names whose files or sections would not give the name back are refused before anything
    // is written.
    const std::string displayName = name.toStdString();
    switch (FindEntryNameProblem(displayName)) {
    case EntryNameProblem::NotStorable:
        RefuseName(NewEntryTexts::NotStorable);
        return;
    case EntryNameProblem::NoLetterOrDigit:
        RefuseName(NewEntryTexts::NoLetterOrDigit);
        return;
    case EntryNameProblem::PathSeparator:  // not asked for here
    case EntryNameProblem::None:
        break;
    }
    if (txtLink->text().isEmpty()) {
        ShowMessage(Text(NewEntryTexts::NoLinkStart) + Text(NewEntryTexts::ExampleAddress) + Text(NewEntryTexts::NoLinkEnd),
                    kMessageInformation);
        txtLink->setFocus();
        return;
    }
    if (!logoPresent_ && !Services().AskYesNo(Text(NewEntryTexts::NoLogoQuestion), DefaultTitle())) return;

    EditorSelection& selection = context_.Selection;
    selection.CurrentEntryName = displayName;
    const NewEntry entry{displayName, txtLink->text().toStdString(), txtInfo->text().toStdString(),
                         selection.TargetColumn, selection.TargetColumnCount};
    StoreNewEntry(context_.Paths, context_.Page, entry, [](const std::string& logoName) {
        const QString question = Text(NewEntryTexts::ReplaceLogoStart) + QString::fromStdString(logoName) +
                                 Text(NewEntryTexts::ReplaceLogoEnd);
        return Services().AskYesNo(question, DefaultTitle());
    });

    const int index = selection.TargetColumn - 1;
    if (index >= 0 && index < kColumnCount) {
        AddListItem(*editor_.ColumnList(index), name);
        editor_.LinkField(index)->setText(txtLink->text());
    }
    close();
}

void frmNewEntry::CancelEntry()
{
    close();
}

void frmNewEntry::StartCapture()
{
    // Gone from the screen before the snapshot is taken.
    hide();
    QCoreApplication::processEvents();
    context_.Selection.CaptureCaller = 1;
    QCoreApplication::processEvents();
    emit captureRequested();
}

void frmNewEntry::OpenLibrary()
{
    hide();
    QCoreApplication::processEvents();
    emit libraryRequested();
}

void frmNewEntry::ShowCapturedLogo(const QString& file)
{
    ShowLogo(file);
    ShowAgain();
}

void frmNewEntry::ShowAfterFailedCapture()
{
    const std::string captured = context_.Paths.LibraryFolder + kCapturedLogoName;
    if (logoPresent_ && !fromLibrary_ && !FileExists(captured)) ClearLogo();
    ShowAgain();
}

void frmNewEntry::ShowAgain()
{
    show();
    raise();
    activateWindow();
}

void frmNewEntry::FocusName()
{
    txtEntry->setFocus();
}

void frmNewEntry::WaitHidden()
{
    clipboardWatch_->Stop();
    hide();
}

bool frmNewEntry::WatchesClipboard() const
{
    return clipboardWatch_->Active();
}

void frmNewEntry::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The editor resets the shared flags when it asks for the dialog again; the dialog's own hold.
    context_.Selection.LogoPresent = logoPresent_;
    context_.Selection.EntryFromLibrary = fromLibrary_;
    if (!clipboardWatch_->Active()) clipboardWatch_->Start();
    if (!placed_) {
        placed_ = true;
        CenterForm(*this);
        MakeTopmost(*this);
        txtEntry->setFocus();
    }
}

void frmNewEntry::closeEvent(QCloseEvent* event)
{
    // A capture no entry took must not become the logo of a later one.
    DeleteCapturedLogo(context_.Paths);
    editor_.show();
    // Not QDialog's: it would call reject(), which closes, and so refuse this close.
    event->accept();
}

void frmNewEntry::keyPressEvent(QKeyEvent* event)
{
    // QDialog would reject on Escape, and so close.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmNewEntry::FilterNameKey(QEvent* event)
{
    // Typed keys pass the name filter before they reach the box.
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.size() != 1 || text[0].unicode() < 32) return false;
    const std::string ansi = Utf8ToCp1252(text.toStdString());
    int code = ansi.size() == 1 ? static_cast<unsigned char>(ansi[0]) : '?';
    return FilterKey(code, 1) == 0;
}

bool frmNewEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtEntry && event->type() == QEvent::KeyPress && FilterNameKey(event)) return true;
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);

    if (watched == txtLink && txtEntry->text().isEmpty()) {
        txtEntry->setFocus();
        return true;
    }
    if (watched == txtInfo && txtInfo->text() == QString::fromUtf8(kInfoPlaceholder)) txtInfo->clear();
    if ((watched == picLogo || watched == lblLogo) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        StartCapture();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
