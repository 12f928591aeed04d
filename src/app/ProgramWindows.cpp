#include "app/ProgramWindows.h"

#include "app/NewPageDialog.h"
#include "app/PreviewWindow.h"
#include "app/StartWindow.h"
#include "common/SystemFolders.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "output/PageGenerator.h"
#include "editor/BackWindow.h"
#include "editor/BannerWindow.h"
#include "editor/HeadWindow.h"
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
    ConnectDecorations();
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

// --- Page decorations ---
namespace {

// The window when it is open, brought to the front; nullptr when a fresh one is needed.
template <typename Window> Window* OpenWindow(const std::unique_ptr<Window>& window)
{
    if (!window || !window->isVisible()) return nullptr;
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
    return window.get();
}

} // namespace

void ProgramWindows::ConnectDecorations()
{
    connect(editor_.get(), &frmMain::headerEditorRequested, this, [this] { ShowHeaderEditor(); });
    connect(editor_.get(), &frmMain::bannerEditorRequested, this, [this] { ShowBannerEditor(); });
    connect(editor_.get(), &frmMain::footerEditorRequested, this, [this] { ShowFooterEditor(); });
    connect(editor_.get(), &frmMain::backgroundRequested, this, [this] { ShowBackground(); });
}

frmHead& ProgramWindows::ShowHeaderEditor()
{
    if (frmHead* open = OpenWindow(head_)) return *open;
    head_ = std::make_unique<frmHead>(context_);
    head_->Open();
    return *head_;
}

frmBanner& ProgramWindows::ShowBannerEditor()
{
    if (frmBanner* open = OpenWindow(banner_)) return *open;
    banner_ = std::make_unique<frmBanner>(context_, BannerLine::Banner);
    banner_->Open();
    return *banner_;
}

frmBanner& ProgramWindows::ShowFooterEditor()
{
    if (frmBanner* open = OpenWindow(footer_)) return *open;
    footer_ = std::make_unique<frmBanner>(context_, BannerLine::Footer);
    footer_->Open();
    return *footer_;
}

frmBack& ProgramWindows::ShowBackground()
{
    if (frmBack* open = OpenWindow(back_)) return *open;
    back_ = std::make_unique<frmBack>(context_);
    back_->Open();
    return *back_;
}
