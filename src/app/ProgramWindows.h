// Start-up of Pinwall-Builder and the windows it owns: the editor, created hidden and kept
// until the program ends, and the start window, new page dialog and preview it opens.
#pragma once

#include "app/NewPageDialog.h"
#include "app/ProgramContext.h"
#include "app/StartWindow.h"
#include "document/StartUp.h"
#include "imaging/gui/LogoCapture.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class frmBack;
class frmBanner;
class frmHead;
class frmLibrary;
class frmMain;
class PreviewLink;
class frmNewEntry;
class frmLink;
class frmImport;

class ProgramWindows : public QObject {
    Q_OBJECT

public:
    ProgramWindows();
    ~ProgramWindows() override;

    // Fixes the program's folders from the path of its program file, creates the missing
    // working folders and opens the first window. Returns which one it opened.
    FirstWindow StartUp(const QString& programFile);

    // The start window, filled with the saved pages (again, when it is open already).
    frmStart& ShowStartWindow();
    frmNewPage& ShowNewPageDialog();
    // The preview program's link, made on the first preview; the program starts with the first page.
    PreviewLink& Preview();
    // Once the first window is shown: the preview program starts in the background when the
    // editor is open with the preview option ticked.
    void PreparePreview();

    // "Speichern / HTML erstellen": stores the columns, writes the page and, with the preview
    // option ticked, shows it in the preview window.
    void GeneratePage();

    ProgramContext& Context() { return context_; }
    frmMain& Editor() { return *editor_; }
    frmStart* StartWindow() const { return start_; }
    frmNewPage* NewPageDialog() const { return newPage_; }

    // The library browser, created on first use and afterwards shown and hidden (ShowLibrary).
    frmLibrary& Library();
    // The logo capture, started by the editor's logo click and by the new entry dialog.
    LogoCapture& Capture() { return capture_; }
    // Shows the caller again with what the capture made (`logoFile` empty: no new logo).
    void CaptureFinished(int caller, const QString& logoFile);
    // The new entry dialog for the column the editor picked: the one that waits hidden, or a new one.
    frmNewEntry& ShowNewEntryDialog();
    // The link dialog, filled with the entry the editor handed over.
    frmLink& ShowLinkDialog();
    frmNewEntry* NewEntryDialog() const;
    frmLink* LinkDialog() const;
    // "Lesezeichen importieren", modal, over the editor.
    frmImport& ShowImportWindow();
    frmImport* ImportWindow() const;

    // The editor's "Startseite" items: makes the link page the start page of browser 0 (Internet
    // Explorer), 1 (Firefox) or 2 (Opera), or puts the old one back, and sets the item's mark.
    void SwitchStartPage(int browser);

    // The header line, banner line, footer line and background windows of the editor's menus.
    // Each exists once: while it is open its menu brings it to the front as it is; otherwise a
    // fresh window is made and filled from the page.
    frmHead& ShowHeaderEditor();
    frmBanner& ShowBannerEditor();
    frmBanner& ShowFooterEditor();
    frmBack& ShowBackground();
    // Before another page is opened or created: the decoration windows and the link dialog close
    // as their title bars close them, so that none writes into the next page (the background
    // window stores its choice into its own page, the others drop what was not stored).
    void ClosePageWindows();

    frmHead* HeaderEditor() const { return head_.get(); }
    frmBanner* BannerEditor() const { return banner_.get(); }
    frmBanner* FooterEditor() const { return footer_.get(); }
    frmBack* Background() const { return back_.get(); }

private:
    ProgramContext context_;
    std::unique_ptr<frmMain> editor_;
    QPointer<frmStart> start_;
    QPointer<frmNewPage> newPage_;
    std::unique_ptr<PreviewLink> preview_;

    // After the editor: the browser holds the editor and goes first.
    std::unique_ptr<frmLibrary> library_;
    LogoCapture capture_{context_};
    QPointer<frmNewEntry> newEntry_;
    QPointer<frmLink> link_;
    QPointer<frmImport> import_;

    bool switchingStartPage_ = false;  // the profile search lets clicks in while it runs

    // After the editor and the context they use, so they go first.
    std::unique_ptr<frmHead> head_;
    std::unique_ptr<frmBanner> banner_;
    std::unique_ptr<frmBanner> footer_;
    std::unique_ptr<frmBack> back_;
};
