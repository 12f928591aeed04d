#include "editor/BannerWindow.h"

#include "app/ProgramContext.h"
#include "common/gui/ClipboardWatch.h"
#include "common/gui/ListHelpers.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "document/BannerList.h"
#include "document/PageDecorations.h"
#include "editor/DecorationControls.h"

#include <QEvent>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const char* const kBannerCaption = "Bannerzeile";
const char* const kFooterCaption = "Fusszeile";
const char* const kLoadBanners = "Aktualisieren";
const char* const kLinkLabel = "Link / Adresse:";
const char* const kInfoLabel = "Info:";
const char* const kStore = "Übernehmen";

constexpr int kListWidth = 200;
constexpr int kListHeight = 200;
constexpr int kPictureHeight = 90;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

frmBanner::frmBanner(ProgramContext& context, BannerLine line, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_line(line)
{
    const bool banner = line == BannerLine::Banner;
    setObjectName(banner ? QStringLiteral("frmBanner") : QStringLiteral("frmFoot"));
    setWindowTitle(QString::fromUtf8(banner ? kBannerCaption : kFooterCaption));
    setAccessibleName(windowTitle());

    lstFoundBanners = MakeDecorationList("lstFoundBanners", kListWidth, kListHeight, this);
    lstBanners = MakeDecorationList("lstBanners", kListWidth, kListHeight, this);
    cmdLoadBanners = new QPushButton(QString::fromUtf8(kLoadBanners), this);
    cmdLoadBanners->setObjectName(QStringLiteral("cmdLoadBanners"));

    using namespace DecorationGlyphs;
    ccXPButton4 = MakeArrowButton("ccXPButton4", Right, this);
    ccXPButton3 = MakeArrowButton("ccXPButton3", Left, this);
    ccXPButton5 = MakeArrowButton("ccXPButton5", Up, this);
    ccXPButton6 = MakeArrowButton("ccXPButton6", Down, this);
    ccXPButton2 = MakeDecorationButton("ccXPButton2", kStore, this);

    picBanner = new QLabel(this);
    picBanner->setObjectName(QStringLiteral("picBanner"));
    picBanner->setAccessibleName(QStringLiteral("picBanner"));
    picBanner->setFixedHeight(kPictureHeight);
    picBanner->setAlignment(Qt::AlignCenter);
    picBanner->setFrameShape(QFrame::StyledPanel);
    picBanner->setFrameShadow(QFrame::Sunken);

    const auto field = [this](const char* labelName, const char* caption, const char* name, QLabel*& label) {
        label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(QString::fromLatin1(labelName));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAccessibleName(label->text());
        label->setBuddy(edit);
        return edit;
    };
    txtLink = field("lblLink", kLinkLabel, "txtLink", lblLink);
    txtInfo = field("Label1", kInfoLabel, "txtInfo", Label1);

    clipboardWatch_ = new ClipboardWatch(*this, [this](const QString& text) {
        if (!IsPastedLink(text.toStdString())) return false;
        txtLink->setText(text);
        return true;
    });

    auto* fields = new QGridLayout;
    fields->addWidget(lblLink, 0, 0);
    fields->addWidget(txtLink, 0, 1);
    fields->addWidget(Label1, 1, 0);
    fields->addWidget(txtInfo, 1, 1);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(lstFoundBanners, 0, 0);
    grid->addLayout(ButtonPair(ccXPButton4, ccXPButton3), 0, 1);
    grid->addWidget(lstBanners, 0, 2);
    grid->addLayout(ButtonPair(ccXPButton5, ccXPButton6), 0, 3);
    grid->addWidget(cmdLoadBanners, 1, 0);
    grid->addWidget(picBanner, 2, 0, 1, 4);
    grid->addLayout(fields, 3, 0, 1, 4);
    grid->addWidget(ccXPButton2, 4, 0, 1, 4, Qt::AlignRight);

    // A click, or a move of the selection with the keys, picks a banner as on a list box. The
    // window's own changes of the lists pick nothing: they run with the lists' signals blocked.
    connect(lstFoundBanners, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { FoundBannerClicked(lstFoundBanners->row(item)); });
    connect(lstFoundBanners, &QListWidget::itemSelectionChanged, this,
            [this] { FoundBannerClicked(SelectedRow(*lstFoundBanners)); });
    connect(lstBanners, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChosenBannerClicked(lstBanners->row(item)); });
    connect(lstBanners, &QListWidget::itemSelectionChanged, this,
            [this] { ChosenBannerClicked(SelectedRow(*lstBanners)); });
    connect(cmdLoadBanners, &QPushButton::clicked, this, &frmBanner::LoadBanners);
    connect(ccXPButton4, &ccXPButton::Click, this, &frmBanner::AddBanner);
    connect(ccXPButton3, &ccXPButton::Click, this, &frmBanner::RemoveBanner);
    OnClickAndDoubleClick(*ccXPButton5, *this, [this] { MoveUp(); });
    OnClickAndDoubleClick(*ccXPButton6, *this, [this] { MoveDown(); });
    connect(ccXPButton2, &ccXPButton::Click, this, &frmBanner::Store);
    for (QLineEdit* box : {txtLink, txtInfo})
        connect(box, &QLineEdit::textChanged, this, [this] { m_changed = true; });
    txtInfo->installEventFilter(this);
}

frmBanner::~frmBanner() = default;

void frmBanner::Open()
{
    filBanners = FileList(m_context.Paths.BannerFolder, kBannerPattern);
    LoadBanners();
    const QSignalBlocker blocker(lstBanners);
    const char* section = m_line == BannerLine::Banner ? kBannerSection : kFooterSection;
    for (const std::string& name : ReadChosenList(m_context.Page, section))
        lstBanners->addItem(Text(name));
    show();
}

void frmBanner::LoadBanners()
{
    filBanners.Refresh();
    const QSignalBlocker blocker(lstFoundBanners);
    lstFoundBanners->clear();
    for (const std::string& file : AvailableBanners(filBanners.Files()))
        lstFoundBanners->addItem(Text(file));
}

void frmBanner::StorePending()
{
    if (!m_changed || m_current.empty()) return;
    StoreBannerText(m_context.Paths.BannersFile, m_current,
                    {txtLink->text().toStdString(), txtInfo->text().toStdString()});
}

void frmBanner::LoadBanner(const std::string& name, const std::string& picture)
{
    m_current = name;
    const BannerText text = ReadBannerText(m_context.Paths.BannersFile, name);
    txtLink->setText(Text(text.link));
    txtInfo->setText(Text(text.info));
    // A banner whose picture is gone shows an empty preview.
    ShowPictureWhole(*picBanner, QPixmap(picture.empty() ? QString() : Text(picture)));
    m_changed = false;
}

void frmBanner::FoundBannerClicked(int row)
{
    if (row < 0 || row >= lstFoundBanners->count()) return;
    StorePending();
    const std::string file = lstFoundBanners->item(row)->text().toStdString();
    LoadBanner(BannerName(file), filBanners.Folder() + file);
}

void frmBanner::ChosenBannerClicked(int row)
{
    if (row < 0 || row >= lstBanners->count()) return;
    StorePending();
    const std::string name = lstBanners->item(row)->text().toStdString();
    LoadBanner(name, BannerPicture(m_context.Paths.BannerFolder, name));
}

void frmBanner::AddBanner()
{
    const int row = SelectedRow(*lstFoundBanners);
    if (row < 0) return;
    const std::string name = BannerName(lstFoundBanners->item(row)->text().toStdString());
    if (name.empty()) return;
    const QSignalBlocker blocker(lstBanners);
    AppendOnce(*lstBanners, Text(name));
}

void frmBanner::RemoveBanner()
{
    const int row = SelectedRow(*lstBanners);
    if (row < 0) return;
    const QSignalBlocker blocker(lstBanners);
    delete lstBanners->takeItem(row);
}

void frmBanner::MoveUp()
{
    if (SelectedRow(*lstBanners) < 0) return;
    const QSignalBlocker blocker(lstBanners);
    ListMoveUp(*lstBanners);
}

void frmBanner::MoveDown()
{
    if (SelectedRow(*lstBanners) < 0) return;
    const QSignalBlocker blocker(lstBanners);
    ListMoveDown(*lstBanners);
}

void frmBanner::Store()
{
    StorePending();
    std::vector<std::string> names;
    for (const QString& name : ListTexts(*lstBanners))
        names.push_back(name.toStdString());
    StoreChosenList(m_context.Page, m_line == BannerLine::Banner ? kBannerSection : kFooterSection, names);
    close();
}

void frmBanner::InfoClicked()
{
    if (txtInfo->text() != QString::fromUtf8(kInfoPlaceholder)) return;
    // Emptying the placeholder is no change of its own, and a change of the link made before
    // stays pending.
    const bool changed = m_changed;
    txtInfo->clear();
    m_changed = changed;
    txtInfo->setFocus(Qt::MouseFocusReason);
}

bool frmBanner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtInfo && event->type() == QEvent::MouseButtonPress) InfoClicked();
    return QWidget::eventFilter(watched, event);
}

void frmBanner::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    clipboardWatch_->Start();
    if (m_placed) return;
    m_placed = true;
    CenterForm(*this);
    MakeTopmost(*this);
}

void frmBanner::hideEvent(QHideEvent* event)
{
    // A minimised window is still open and keeps watching; a closed one stops.
    if (!event->spontaneous()) clipboardWatch_->Stop();
    QWidget::hideEvent(event);
}

void frmBanner::closeEvent(QCloseEvent* event)
{
    // Closing keeps nothing: edits of the current banner that were not stored are dropped.
    m_changed = false;
    QWidget::closeEvent(event);
}
