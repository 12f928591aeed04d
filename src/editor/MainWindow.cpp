// frmMain: building the window, its layout for a column count, and the values start-up and the
// page generator read and set.
#include "editor/MainWindow.h"

#include "app/ProgramEnd.h"

#include "app/ProgramContext.h"
#include "common/Ini.h"
#include "common/gui/ListHelpers.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "editor/ColumnGroup.h"
#include "editor/ColumnListWidget.h"
#include "editor/MainWindowLayout.h"
#include "editor/MainWindowTexts.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace MainWindowLayout;

frmMain::frmMain(ProgramContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Title());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    BuildColumns(client);
    BuildBottomFrame(client);
    BuildMenus();

    // The focus holder must be shown to take the focus; it sits outside the visible area.
    dummy = new QPushButton(client);
    dummy->setObjectName(QStringLiteral("dummy"));
    dummy->setAccessibleName(QStringLiteral("dummy"));
    dummy->setFlat(true);
    dummy->setGeometry(-20, -20, 1, 1);

    pic_TMP = new QLabel(client);
    pic_TMP->setObjectName(QStringLiteral("pic_TMP"));
    pic_TMP->setAccessibleName(QStringLiteral("pic_TMP"));
    pic_TMP->hide();

    ApplyColumnCount(m_context.Page.Columns);
}

frmMain::~frmMain() = default;

QString frmMain::Title() const
{
    if (!m_context.Paths.Title.empty())
        return QString::fromStdString(m_context.Paths.Title);
    return QString::fromLatin1(kProgramTitle);
}

void frmMain::BuildColumns(QWidget* client)
{
    for (int index = 0; index < kColumnCount; ++index) {
        auto* group = new ColumnGroup(index, client);
        group->setGeometry(ColumnFrameRect(index));
        m_columns[index] = group;
        ConnectColumn(*group);
    }
}

void frmMain::BuildBottomFrame(QWidget* client)
{
    using namespace MainWindowTexts;
    fraBottom = new QFrame(client);
    fraBottom->setObjectName(QStringLiteral("fraBottom"));
    fraBottom->setAccessibleName(fraBottom->objectName());
    fraBottom->setFrameShape(QFrame::StyledPanel);
    fraBottom->setFrameShadow(QFrame::Sunken);

    auto* countLabel = new QLabel(QString::fromUtf8(ColumnCount), fraBottom);
    auto* options = new QHBoxLayout;
    options->setSpacing(6);
    auto* group = new QButtonGroup(fraBottom);
    for (int columns = kMinColumns; columns <= kColumnCount; ++columns) {
        auto* option = new QRadioButton(QString::number(columns), fraBottom);
        option->setObjectName(QStringLiteral("optCol%1").arg(columns));
        option->setAccessibleName(QStringLiteral("%1 %2").arg(countLabel->text()).arg(columns));
        group->addButton(option, columns);
        options->addWidget(option);
        optCol[columns] = option;
        // toggled, not clicked: the keyboard and assistive technology check options without a click.
        connect(option, &QRadioButton::toggled, this, [this, columns](bool on) {
            if (on) ChooseColumnCount(columns);
        });
    }
    auto* countColumn = new QVBoxLayout;
    countColumn->setSpacing(2);
    countColumn->addWidget(countLabel);
    countColumn->addLayout(options);

    chkPreview = new QCheckBox(QString::fromUtf8(Preview), fraBottom);
    chkPreview->setObjectName(QStringLiteral("chkPreview"));
    chkPreview->setAccessibleName(chkPreview->text());
    chkPreview->setChecked(true);
    connect(chkPreview, &QCheckBox::clicked, this, &frmMain::PreviewClicked);

    ccXPButton1 = new ccXPButton(fraBottom);
    ccXPButton1->setObjectName(QStringLiteral("ccXPButton1"));
    ccXPButton1->setCaption(QString::fromUtf8(Save));
    ccXPButton1->setFixedSize(180, 28);
    connect(ccXPButton1, &ccXPButton::Click, this, [this] {
        FocusDummy();
        emit saveRequested();
    });

    auto* row = new QHBoxLayout(fraBottom);
    row->setContentsMargins(10, 4, 10, 4);
    row->setSpacing(12);
    row->addLayout(countColumn);
    row->addStretch(1);
    row->addWidget(chkPreview);
    row->addWidget(ccXPButton1);
}

void frmMain::ConnectColumn(ColumnGroup& group)
{
    const int index = group.Index();
    connect(group.lstPinwall, &ColumnListWidget::MouseDown, this,
            [this, index](Qt::MouseButton button) { PickEntry(index, button); });
    connect(group.cmdNewEntry, &ccXPButton::Click, this, [this, index] { StartNewEntry(index); });
    connect(group.cmdDel, &ccXPButton::Click, this, [this, index] { DeleteEntry(index); });
    // A double click has already moved once with its first press; it moves once more.
    for (auto signal : {&ccXPButton::Click, &ccXPButton::DblClick}) {
        connect(group.cmdUp, signal, this, [this, index] { MoveEntryUp(index); });
        connect(group.cmdDown, signal, this, [this, index] { MoveEntryDown(index); });
    }
    connect(&group, &ColumnGroup::LogoClicked, this, [this, index] { StartCapture(index); });
    connect(&group, &ColumnGroup::LinkPressed, this, [this, index] { OpenLinkDialog(index); });
}

void frmMain::SetColumns()
{
    m_settingColumns = true;
    ChooseColumnCount(m_context.Page.Columns);
    m_settingColumns = false;
    CenterForm(*this);
}

void frmMain::ChooseColumnCount(int columns)
{
    if (columns >= kMinColumns && columns <= kColumnCount) {
        const QSignalBlocker quiet(optCol[columns]);
        optCol[columns]->setChecked(true);
        m_context.Page.Columns = static_cast<std::int16_t>(columns);
    }
    ApplyColumnCount(columns);
    if (!m_settingColumns && columns >= kMinColumns && columns <= kColumnCount)
        WriteIni("Main", "Columns", std::to_string(columns), m_context.Page.PageFile);
    FocusDummy();
}

void frmMain::ApplyColumnCount(int columns)
{
    const int widthTwips = WindowWidthTwips(columns);
    if (widthTwips == 0)
        return;
    for (int index = 0; index < kColumnCount; ++index)
        m_columns[index]->setVisible(ColumnShown(index, columns));
    fraBottom->setGeometry(BottomFrameRect(widthTwips));
    setFixedSize(TwipsToPixels(widthTwips), menuBar()->sizeHint().height() + kClientHeight);
}

ColumnLists frmMain::Columns() const
{
    ColumnLists lists;
    for (int index = 0; index < kColumnCount; ++index) {
        const ColumnListWidget& list = *m_columns[index]->lstPinwall;
        for (int row = 0; row < list.count(); ++row)
            lists[index].push_back(list.item(row)->text().toStdString());
    }
    return lists;
}

void frmMain::SetColumnLists(const ColumnLists& lists)
{
    for (int index = 0; index < kColumnCount; ++index) {
        ColumnListWidget& list = *m_columns[index]->lstPinwall;
        list.clear();
        for (const std::string& name : lists[index])
            AddListItem(list, QString::fromStdString(name));
    }
}

StartPageMarks frmMain::Marks() const
{
    StartPageMarks marks{mnuIE->isChecked(), mnuFF->isChecked(), mnuOP->isChecked(), {}};
    for (std::size_t i = 0; i < mnuChromium.size(); ++i) marks.chromium[i] = mnuChromium[i]->isChecked();
    return marks;
}

void frmMain::SetMarks(const StartPageMarks& marks)
{
    mnuIE->setChecked(marks.IE);
    mnuFF->setChecked(marks.FF);
    mnuOP->setChecked(marks.OP);
    for (std::size_t i = 0; i < mnuChromium.size(); ++i) mnuChromium[i]->setChecked(marks.chromium[i]);
}

bool frmMain::PreviewChecked() const
{
    return chkPreview->isChecked();
}

void frmMain::SetPreviewChecked(bool checked)
{
    chkPreview->setChecked(checked);
}

void frmMain::PreviewClicked(bool checked)
{
    WriteIni("PinwallEdit", "Preview", checked ? "1" : "0", m_context.Paths.SettingsFile);
}

ColumnGroup* frmMain::Column(int index) const
{
    return m_columns.at(index);
}

ColumnListWidget* frmMain::ColumnList(int index) const
{
    return m_columns.at(index)->lstPinwall;
}

QLineEdit* frmMain::LinkField(int index) const
{
    return m_columns.at(index)->txtLink;
}

QLabel* frmMain::LogoPicture(int index) const
{
    return m_columns.at(index)->picLogo;
}

QLabel* frmMain::LogoLabel(int index) const
{
    return m_columns.at(index)->lblLogo;
}

void frmMain::ShowLogo(int index, const QString& file)
{
    ColumnGroup& group = *m_columns.at(index);
    const QPixmap picture(file);
    if (picture.isNull()) {
        group.ClearPicture();
        group.ShowCaptureLabel(true);
        return;
    }
    group.ShowPicture(picture);
    group.ShowCaptureLabel(false);
}

void frmMain::AppendToColumn(int index, const QStringList& names, const QString& link, const QString& logo)
{
    ColumnListWidget& list = *ColumnList(index);
    list.addItems(names);
    LinkField(index)->setText(link);
    ShowLogo(index, logo);
    list.setCurrentRow(list.count() - 1);
}

void frmMain::FocusDummy()
{
    dummy->setFocus(Qt::OtherFocusReason);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing the editor ends the program at once; unsaved column changes are given up.
    event->accept();
    EndProgram();
}
