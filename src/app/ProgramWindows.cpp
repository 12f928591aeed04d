#include "app/ProgramWindows.h"

#include "app/NewPageDialog.h"
#include "app/PreviewLink.h"
#include "app/StartWindow.h"
#include "common/Files.h"
#include "common/SystemFolders.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/WindowHelpers.h"
#include "document/EntryStore.h"
#include "output/PageGenerator.h"
#include "output/StartPage.h"

#include "editor/BackWindow.h"
#include "editor/BannerWindow.h"
#include "editor/HeadWindow.h"
#include "editor/ImportWindow.h"
#include "editor/LibraryWindow.h"
#include "editor/LinkDialog.h"
#include "editor/MainWindow.h"
#include "editor/NewEntryDialog.h"

#include <QCoreApplication>

#include <utility>

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;

FirstWindow ProgramWindows::StartUp(const QString& programFile)
{
    InitAppPaths(context_.Paths, programFile.toStdString());
    editor_ = std::make_unique<frmMain>(context_);
    connect(editor_.get(), &frmMain::newPageRequested, this, [this] { ShowNewPageDialog(); });
    connect(editor_.get(), &frmMain::loadPageRequested, this, [this] { ShowStartWindow(); });
    connect(editor_.get(), &frmMain::saveRequested, this, &ProgramWindows::GeneratePage);
    connect(editor_.get(), &frmMain::captureRequested, &capture_, &LogoCapture::Start);
    capture_.FollowScreenOf(*editor_);
    connect(&capture_, &LogoCapture::finished, this, &ProgramWindows::CaptureFinished);
    connect(editor_.get(), &frmMain::newEntryRequested, this, [this] { ShowNewEntryDialog(); });
    connect(editor_.get(), &frmMain::linkDialogRequested, this, [this] { ShowLinkDialog(); });
    connect(editor_.get(), &frmMain::importRequested, this, [this] { ShowImportWindow(); });
    connect(editor_.get(), &frmMain::startPageRequested, this, &ProgramWindows::SwitchStartPage);
    connect(editor_.get(), &frmMain::headerEditorRequested, this, [this] { ShowHeaderEditor(); });
    connect(editor_.get(), &frmMain::bannerEditorRequested, this, [this] { ShowBannerEditor(); });
    connect(editor_.get(), &frmMain::footerEditorRequested, this, [this] { ShowFooterEditor(); });
    connect(editor_.get(), &frmMain::backgroundRequested, this, [this] { ShowBackground(); });
    SetPendingEventsHandler([] { QCoreApplication::processEvents(); });
    InitFileHandling(context_.Paths);
    InitFolders(context_.Paths);
    RemoveLeftoverTempFiles(context_.Paths);
    // A cut-out left by an earlier run must never become the logo of a new entry.
    RemoveCaptureLeftovers(context_.Paths);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { RemoveCaptureLeftovers(context_.Paths); });
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
    // While it is open the same window is filled again; a closed one is gone (it deletes itself
    // later), and the next one starts with an empty list.
    if (!start_) {
        start_ = new frmStart(context_, *editor_);
        connect(start_, &QDialog::finished, this, [this] { start_.clear(); });
        connect(start_, &frmStart::pageChanging, this, &ProgramWindows::ClosePageWindows);
    }
    start_->FillPageList();
    start_->show();
    start_->raise();
    start_->activateWindow();
    return *start_;
}

frmNewPage& ProgramWindows::ShowNewPageDialog()
{
    if (!newPage_) {
        newPage_ = new frmNewPage(context_, *editor_);
        connect(newPage_, &QDialog::finished, this, [this] { newPage_.clear(); });
        connect(newPage_, &frmNewPage::pageChanging, this, &ProgramWindows::ClosePageWindows);
    }
    newPage_->show();
    newPage_->raise();
    newPage_->activateWindow();
    return *newPage_;
}

namespace {

void ShowWriteError()
{
    ShowMessage(QString::fromUtf8(kPageWriteErrorMessage), kMessageWarning);
}

} // namespace

PreviewLink& ProgramWindows::Preview()
{
    if (!preview_) {
        preview_ = std::make_unique<PreviewLink>();
        connect(preview_.get(), &PreviewLink::failed, this, &ShowWriteError);
    }
    return *preview_;
}

void ProgramWindows::PreparePreview()
{
    if (editor_ && editor_->isVisible() && editor_->PreviewChecked()) Preview().StartEarly();
}

void ProgramWindows::GeneratePage()
{
    const GenerateResult result = ::GeneratePage(context_.Paths, context_.Page, editor_->Columns());
    if (!result.written) {
        ShowWriteError();
        return;
    }
    if (!editor_->PreviewChecked()) return;

    std::optional<QSize> size;
    if (result.previewSize) size = QSize(result.previewSize->width, result.previewSize->height);
    // A preview that cannot start fails as a page that cannot be written does.
    if (!Preview().Show(QString::fromStdString(result.indexFile), size)) ShowWriteError();
}

frmLibrary& ProgramWindows::Library()
{
    if (!library_) {
        library_ = std::make_unique<frmLibrary>(context_, *editor_);
        KeepInFrontOf(*library_, editor_.get());
        // Back to the new entry dialog that opened the browser, as it was.
        connect(library_.get(), &frmLibrary::cancelled, this, [this] {
            if (newEntry_) newEntry_->ShowAgain();
            else editor_->show();
        });
        // The entry is in the column; the dialog keeps its fields but no longer watches the clipboard.
        connect(library_.get(), &frmLibrary::entryTaken, this, [this] {
            if (newEntry_) newEntry_->WaitHidden();
        });
    }
    return *library_;
}

void ProgramWindows::CaptureFinished(int caller, const QString& logoFile)
{
    if (caller == 1 && newEntry_) {
        if (logoFile.isEmpty()) newEntry_->ShowAfterFailedCapture();
        else newEntry_->ShowCapturedLogo(logoFile);
        return;
    }
    if (caller == 2 && !logoFile.isEmpty()) editor_->ShowLogo(context_.Selection.TargetColumn - 1, logoFile);
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

frmNewEntry& ProgramWindows::ShowNewEntryDialog()
{
    if (!newEntry_) {
        newEntry_ = new frmNewEntry(context_, *editor_);
        connect(newEntry_, &frmNewEntry::captureRequested, &capture_, &LogoCapture::Start);
        connect(newEntry_, &frmNewEntry::libraryRequested, this, [this] { Library().ShowLibrary(); });
    }
    newEntry_->ShowAgain();
    newEntry_->FocusName();
    return *newEntry_;
}

frmLink& ProgramWindows::ShowLinkDialog()
{
    if (!link_) link_ = new frmLink(context_, *editor_);
    link_->Open();
    return *link_;
}

frmImport& ProgramWindows::ShowImportWindow()
{
    if (!import_) import_ = new frmImport(context_, *editor_);
    import_->show();
    import_->raise();
    import_->activateWindow();
    return *import_;
}

frmImport* ProgramWindows::ImportWindow() const { return import_; }
frmNewEntry* ProgramWindows::NewEntryDialog() const { return newEntry_; }
frmLink* ProgramWindows::LinkDialog() const { return link_; }

namespace {

bool& BrowserMark(StartPageMarks& marks, int browser)
{
    if (browser >= 3) return marks.chromium[static_cast<std::size_t>(browser - 3)];
    return browser == 0 ? marks.IE : browser == 1 ? marks.FF : marks.OP;
}

// The window brought to the front as it is while it is open; otherwise a fresh one, made from
// `args`, filled and shown.
template <typename Window, typename... Args> Window& ShowOnce(std::unique_ptr<Window>& window, Args&&... args)
{
    if (window && window->isVisible()) {
        if (window->isMinimized()) window->showNormal();
        window->raise();
        window->activateWindow();
        return *window;
    }
    window = std::make_unique<Window>(std::forward<Args>(args)...);
    window->Open();
    return *window;
}

} // namespace

void ProgramWindows::SwitchStartPage(int browser)
{
    if (switchingStartPage_ || browser < 0 || browser >= kStartPageBrowserCount) return;
    StartPageMarks marks = editor_->Marks();
    // A browser must not be sent to a page that was never written.
    if (!BrowserMark(marks, browser) && !FileExists(context_.Page.PageFolder + "index.html") &&
        !::GeneratePage(context_.Paths, context_.Page, editor_->Columns()).written) {
        ShowMessage(QString::fromUtf8(kPageWriteErrorMessage), kMessageWarning);
        return;
    }
    switchingStartPage_ = true;
    const StartPageSwitch result = ::SwitchStartPage(static_cast<StartPageBrowser>(browser), context_.Paths,
                                                     context_.Page, BrowserMark(marks, browser));
    // The marks are read again: the profile search lets other windows work meanwhile.
    marks = editor_->Marks();
    BrowserMark(marks, browser) = result.marked;
    editor_->SetMarks(marks);
    switchingStartPage_ = false;
    for (const std::string& message : result.messages) ShowMessage(QString::fromStdString(message), kMessageInformation);
}

frmHead& ProgramWindows::ShowHeaderEditor()
{
    return ShowOnce(head_, context_);
}

frmBanner& ProgramWindows::ShowBannerEditor()
{
    return ShowOnce(banner_, context_, BannerLine::Banner);
}

frmBanner& ProgramWindows::ShowFooterEditor()
{
    return ShowOnce(footer_, context_, BannerLine::Footer);
}

frmBack& ProgramWindows::ShowBackground()
{
    return ShowOnce(back_, context_);
}

void ProgramWindows::ClosePageWindows()
{
    const std::initializer_list<QWidget*> windows{head_.get(), banner_.get(), footer_.get(), back_.get(), link_.data()};
    for (QWidget* window : windows) {
        if (window && window->isVisible()) window->close();
    }
}
