#include "editor/ImportWindow.h"

#include "app/ProgramContext.h"
#include "common/BrowserProfiles.h"
#include "common/NameRules.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "document/BookmarkChoice.h"
#include "document/EntryFile.h"
#include "editor/BookmarkImportModel.h"
#include "editor/ColumnListWidget.h"
#include "editor/ImportWindowTexts.h"
#include "editor/MainWindow.h"
#include "editor/NewEntryDialogTexts.h"
#include "imaging/gui/BookmarkLogo.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kSourceRows = 4;
constexpr int kProgressDelay = 500;  // ms before the progress shows
constexpr qsizetype kFailedNamesShown = 12;

// Edited names pass the name filter of the new entry dialog, typed and pasted alike.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setAccessibleName(Text(ImportTexts::Headers[0]));
            QObject::connect(line, &QLineEdit::textEdited, line, [line](const QString& text) {
                const QString kept = QString::fromStdString(FilterPastedText(text.toStdString(), 1));
                if (kept != text) line->setText(kept);
            });
        }
        return editor;
    }
};

QLabel* MakeLabel(const char* caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(Text(caption), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

} // namespace

frmImport::frmImport(ProgramContext& context, frmMain& editor)
    : QDialog(&editor), context_(context), editor_(editor)
{
    setObjectName("frmImport");
    setAttribute(Qt::WA_DeleteOnClose);
    // No page change while the window is open: the plan and the column choice are of this page.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(Text(ImportTexts::Caption));
    BuildControls();
    resize(980, 680);
    FillSources();
}

frmImport::~frmImport() = default;

void frmImport::BuildControls()
{
    lstSource = new QListWidget(this);
    lstSource->setObjectName("lstSource");
    lblSource = MakeLabel(ImportTexts::SourceLabel, lstSource, this);
    lstSource->setFixedHeight(lstSource->sizeHintForRow(0) > 0 ? lstSource->sizeHintForRow(0) * kSourceRows + 6
                                                                : fontMetrics().height() * kSourceRows + 12);
    cmdFile = MakePushButton("cmdFile", ImportTexts::File, this);

    model_ = new BookmarkImportModel(this);
    tvwBookmarks = new QTreeView(this);
    tvwBookmarks->setObjectName("tvwBookmarks");
    tvwBookmarks->setModel(model_);
    // Rows of one height: the view then asks only the rows in view for their contents.
    tvwBookmarks->setUniformRowHeights(true);
    tvwBookmarks->setItemDelegateForColumn(BookmarkImportModel::NameColumn, new NameDelegate(tvwBookmarks));
    tvwBookmarks->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    tvwBookmarks->setSelectionMode(QAbstractItemView::SingleSelection);
    tvwBookmarks->header()->setStretchLastSection(true);
    tvwBookmarks->setColumnWidth(BookmarkImportModel::NameColumn, 300);
    tvwBookmarks->setColumnWidth(BookmarkImportModel::LogoColumn, BookmarkImportModel::LogoSize().width() + 16);
    tvwBookmarks->setColumnWidth(BookmarkImportModel::AddressColumn, 300);
    lblBookmarks = MakeLabel(ImportTexts::BookmarksLabel, tvwBookmarks, this);

    cmdAll = MakePushButton("cmdAll", ImportTexts::All, this);
    cmdNone = MakePushButton("cmdNone", ImportTexts::None, this);
    lblTicked = new QLabel(this);
    lblTicked->setObjectName("lblTicked");

    optColumn = new QRadioButton(Text(ImportTexts::IntoColumn), this);
    optColumn->setObjectName("optColumn");
    cboColumn = new QComboBox(this);
    cboColumn->setObjectName("cboColumn");
    cboColumn->setAccessibleName(Text(ImportTexts::ColumnChoice));
    const int columns = std::clamp<int>(context_.Page.Columns, kMinColumns, kColumnCount);
    for (int column = 1; column <= columns; ++column) cboColumn->addItem(QString::number(column));
    const int target = context_.Selection.TargetColumn;
    cboColumn->setCurrentIndex(target >= 1 && target <= columns ? target - 1 : 0);
    optLibrary = new QRadioButton(Text(ImportTexts::LibraryOnly), this);
    optLibrary->setObjectName("optLibrary");
    optLibrary->setChecked(true);

    cmdImport = MakePushButton("cmdImport", ImportTexts::Import, this);
    cmdCancel = MakePushButton("cmdCancel", ImportTexts::Cancel, this);
    cmdImport->setDefault(true);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(lstSource, 1);
    sourceRow->addWidget(cmdFile, 0, Qt::AlignTop);
    auto* tickRow = new QHBoxLayout;
    tickRow->addWidget(cmdAll);
    tickRow->addWidget(cmdNone);
    tickRow->addWidget(lblTicked, 1);
    tickRow->addWidget(optColumn);
    tickRow->addWidget(cboColumn);
    tickRow->addSpacing(16);
    tickRow->addWidget(optLibrary);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdImport);
    buttonRow->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSource);
    layout->addLayout(sourceRow);
    layout->addWidget(lblBookmarks);
    layout->addWidget(tvwBookmarks, 1);
    layout->addLayout(tickRow);
    layout->addLayout(buttonRow);

    connect(lstSource, &QListWidget::currentRowChanged, this, &frmImport::SourcePicked);
    connect(cmdFile, &QPushButton::clicked, this, &frmImport::ChooseFile);
    connect(cmdAll, &QPushButton::clicked, this, [this] { model_->TickAll(true); });
    connect(cmdNone, &QPushButton::clicked, this, [this] { model_->TickAll(false); });
    // Picking a column means placing the entries there.
    connect(cboColumn, &QComboBox::activated, this, [this] { optColumn->setChecked(true); });
    connect(cmdImport, &QPushButton::clicked, this, &frmImport::Import);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImport::reject);
    connect(model_, &BookmarkImportModel::tickedChanged, this, &frmImport::TickedChanged);
    // After the editor has closed: a message box inside its commit would end the edit twice.
    connect(model_, &BookmarkImportModel::renameRefused, this, &frmImport::RefuseName, Qt::QueuedConnection);
    TickedChanged(0);
}

void frmImport::FillSources()
{
    for (const BrowserProfile& profile : ListBrowserProfiles(CurrentUserFolders())) {
        if (!DetectBookmarkSource(profile.folder)) continue;
        sources_.push_back(profile.folder);
        lstSource->addItem(QString::fromStdString(profile.displayName));
    }
    // The first profile is shown at once; a user with one browser need not pick it.
    if (!sources_.empty()) lstSource->setCurrentRow(0);
}

void frmImport::SourcePicked(int row)
{
    if (row >= 0 && row < static_cast<int>(sources_.size())) LoadSource(sources_[row]);
}

bool frmImport::LoadSource(const std::string& path)
{
    const std::optional<BookmarkSourceKind> kind = DetectBookmarkSource(path);
    std::optional<BookmarkNode> read = kind ? ReadBookmarks(*kind, path) : std::nullopt;
    if (!read) {
        model_->SetChoice(nullptr);
        tree_.reset();
        ShowMessage(Text(ImportTexts::Unreadable).arg(QString::fromStdString(path)), kMessageWarning);
        return false;
    }
    auto tree = std::make_unique<BookmarkNode>(std::move(*read));
    model_->SetChoice(std::make_unique<BookmarkChoice>(*tree, ReadLibraryIndex(context_.Paths.LibraryFolder)));
    tree_ = std::move(tree);
    tvwBookmarks->expandToDepth(0);
    return true;
}

void frmImport::ChooseFile()
{
    const QString file = QFileDialog::getOpenFileName(this, Text(ImportTexts::FileDialog), QDir::homePath(),
                                                      Text(ImportTexts::FileFilter));
    if (file.isEmpty()) return;
    const std::string path = file.toStdString();
    int row = static_cast<int>(std::find(sources_.begin(), sources_.end(), path) - sources_.begin());
    if (row == static_cast<int>(sources_.size())) {
        sources_.push_back(path);
        lstSource->addItem(QFileInfo(file).fileName());
        lstSource->item(row)->setToolTip(file);
    }
    if (lstSource->currentRow() == row) LoadSource(path);
    else lstSource->setCurrentRow(row);
}

void frmImport::TickedChanged(int ticked)
{
    const BookmarkChoice* choice = model_->Choice();
    lblTicked->setText(Text(ImportTexts::Ticked).arg(ticked).arg(choice ? choice->TickableCount() : 0));
    cmdImport->setEnabled(ticked > 0);
}

void frmImport::RefuseName(RenameResult why)
{
    switch (why) {
    case RenameResult::Empty: ShowMessage(Text(NewEntryTexts::NoName), kMessageInformation); break;
    case RenameResult::NotStorable: ShowMessage(Text(NewEntryTexts::NotStorable), kMessageInformation); break;
    case RenameResult::NoLetterOrDigit: ShowMessage(Text(NewEntryTexts::NoLetterOrDigit), kMessageInformation); break;
    case RenameResult::Taken: ShowMessage(Text(ImportTexts::NameTaken), kMessageInformation); break;
    case RenameResult::Accepted: break;
    }
}

void frmImport::ChooseColumn(int column)
{
    if (column >= 1 && column <= cboColumn->count()) {
        cboColumn->setCurrentIndex(column - 1);
        optColumn->setChecked(true);
    } else {
        optLibrary->setChecked(true);
    }
}

int frmImport::ChosenColumn() const { return optColumn->isChecked() ? cboColumn->currentIndex() + 1 : 0; }

void frmImport::Import()
{
    const BookmarkChoice* choice = model_->Choice();
    if (!choice || choice->TickedCount() == 0) return;
    const std::vector<const ImportItem*> chosen = choice->Chosen();
    // Hundreds of logos take a while: the window shows how far it is and can stop between entries.
    QProgressDialog progress(Text(ImportTexts::Progress), Text(ImportTexts::Stop), 0, static_cast<int>(chosen.size()), this);
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelay);
    const ChosenImport done = WriteChosenEntries(context_.Paths, chosen, ImportLogoMaker(), [&progress](int written) {
        progress.setValue(written);
        return !progress.wasCanceled();
    });
    progress.reset();

    const int column = ChosenColumn();
    if (column > 0 && !done.written.empty()) {
        const int index = column - 1;
        const int count = editor_.ColumnList(index)->count();
        PlaceImportedEntries(context_.Page, column, count, done.written);
        // As the library browser's "Link übernehmen" takes one entry.
        QStringList names;
        for (const ImportItem* item : done.written) names << QString::fromStdString(item->name);
        const ImportItem& last = *done.written.back();
        editor_.AppendToColumn(index, names, QString::fromStdString(last.link),
                               QString::fromStdString(EntryLogoPath(context_.Paths, last.name)));
    }

    const ImportCounts counts = CountImport(choice->Items());
    const QString summary = Text(ImportTexts::Summary)
                                .arg(done.written.size())
                                .arg(counts.inLibrary)
                                .arg(counts.duplicate)
                                .arg(counts.skipped);
    QStringList failed;
    for (const std::string& name : done.failed) {
        // A library that takes no file at all would otherwise fill the screen with names.
        if (failed.size() == kFailedNamesShown) {
            failed << QStringLiteral("…");
            break;
        }
        failed << QString::fromStdString(name);
    }
    accept();
    if (!failed.isEmpty()) ShowMessage(Text(ImportTexts::NotWritten).arg(failed.join(QLatin1Char('\n'))), kMessageWarning);
    ShowMessage(summary, kMessageInformation);
}
