#include "app/ProgramWindows.h"

#include "app/NewPageDialog.h"
#include "app/PreviewWindow.h"
#include "app/StartWindow.h"
#include "common/SystemFolders.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "output/PageGenerator.h"
#include "output/StartPage.h"
#include "editor/LibraryWindow.h"
#include "editor/MainWindow.h"

#include <QCoreApplication>

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;

FirstWindow ProgramWindows::StartUp(const QString& programFile)
{
    InitAppPaths(context_.Paths, programFile.toStdString());
    editor_ = std::make_unique<frmMain>(context_);
    connect(editor_.get(), &frmMain::newPageRequested, this, [this] { ShowNewPageDialog(); });
    connect(editor_.get(), &frmMain::loadPageRequested, this, [this] { ShowStartWindow(); });
    connect(editor_.get(), &frmMain::saveRequested, this, &ProgramWindows::GeneratePage);
    connect(editor_.get(), &frmMain::startPageRequested, this, &ProgramWindows::SwitchStartPage);
    SetPendingEventsHandler([] { QCoreApplication::processEvents(); });
    InitFileHandling(context_.Paths);
    InitFolders(context_.Paths);
    context_.NewPageFromEditor = false;
    SetDefaultTitle(QString::fromStdString(context_.Paths.Title));

    ColumnLists columns;
    StartPageMarks marks;
    const StartUpDecision decision = DecideStartUp(context_.Paths, context_.Page, columns, marks);
    switch (decision.window) {
    case FirstWindow::Editor:
        editor_->SetColumnLists(columns);
        editor_->SetMarks(marks);
        editor_->SetPreviewChecked(decision.previewChecked);
        editor_->SetColumns();
        editor_->setWindowTitle(QString::fromStdString(context_.Paths.Title + " - " + context_.Page.PageName));
        editor_->show();
        break;
    case FirstWindow::StartWindow:
        ShowStartWindow();
        break;
    case FirstWindow::NewPageDialog:
        ShowNewPageDialog();
        break;
    }
    return decision.window;
}

frmStart& ProgramWindows::ShowStartWindow()
{
    if (!start_) start_ = new frmStart(context_, *editor_);
    start_->FillPageList();
    start_->show();
    start_->raise();
    start_->activateWindow();
    return *start_;
}

frmNewPage& ProgramWindows::ShowNewPageDialog()
{
    if (!newPage_) newPage_ = new frmNewPage(context_, *editor_);
    newPage_->show();
    newPage_->raise();
    newPage_->activateWindow();
    return *newPage_;
}

frmPreview& ProgramWindows::Preview()
{
    if (!preview_) preview_ = std::make_unique<frmPreview>();
    return *preview_;
}

void ProgramWindows::GeneratePage()
{
    const GenerateResult result = ::GeneratePage(context_.Paths, context_.Page, editor_->Columns());
    if (!result.written) {
        ShowMessage(QString::fromUtf8(kPageWriteErrorMessage), kMessageWarning);
        return;
    }
    if (!editor_->PreviewChecked()) return;

    frmPreview& preview = Preview();
    preview.show();
    if (result.previewSize) {
        // The sizes are the window's outer size; the frame is known once the window is shown.
        const QSize frame = preview.frameGeometry().size() - preview.size();
        preview.resize(result.previewSize->width - frame.width(), result.previewSize->height - frame.height());
    }
    preview.raise();
    preview.ShowFile(QString::fromStdString(result.indexFile));
}

// --- Library browser ---
frmLibrary& ProgramWindows::Library()
{
    if (!library_) library_ = std::make_unique<frmLibrary>(context_, *editor_);
    return *library_;
}

// --- Browser start page ---
namespace {

bool& BrowserMark(StartPageMarks& marks, int browser)
{
    return browser == 0 ? marks.IE : browser == 1 ? marks.FF : marks.OP;
}

} // namespace

void ProgramWindows::SwitchStartPage(int browser)
{
    if (switchingStartPage_ || browser < 0 || browser > 2) return;
    switchingStartPage_ = true;
    StartPageMarks marks = editor_->Marks();
    const StartPageSwitch result = ::SwitchStartPage(static_cast<StartPageBrowser>(browser), context_.Paths,
                                                     context_.Page, BrowserMark(marks, browser));
    // The marks are read again: the profile search lets other windows work meanwhile.
    marks = editor_->Marks();
    BrowserMark(marks, browser) = result.marked;
    editor_->SetMarks(marks);
    switchingStartPage_ = false;
    if (result.message) ShowMessage(QString::fromUtf8(result.message), kMessageInformation);
}
