// frmBanner and frmFoot, the banner line ("Bannerzeile") and footer line ("Fusszeile") editors:
// one class, two windows that differ in caption and page-file section. They choose the banners of
// the line and edit each banner's link and info in the banner list shared by all pages. Made
// afresh for every opening.
#pragma once

#include "common/FileList.h"

#include <QString>
#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class ClipboardWatch;
class ccXPButton;
struct ProgramContext;

enum class BannerLine { Banner, Footer };

class frmBanner : public QWidget {
    Q_OBJECT

public:
    frmBanner(ProgramContext& context, BannerLine line, QWidget* parent = nullptr);
    ~frmBanner() override;

    // Lists the banner pictures, reads the line's banners from the page file and shows the window.
    void Open();
    // "Aktualisieren": lists the pictures of BannerFolder again.
    void LoadBanners();

    // Clicks on an offered banner (its row) and on a chosen one.
    void FoundBannerClicked(int row);
    void ChosenBannerClicked(int row);
    // The arrow buttons: add the selected offered banner (once only), remove, move up, move down.
    void AddBanner();
    void RemoveBanner();
    void MoveUp();
    void MoveDown();
    // "Übernehmen": stores the banner's pending link and info and the line's banners, and closes.
    void Store();

    const std::string& CurrentBanner() const { return m_current; }
    bool Changed() const { return m_changed; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the current banner's link and info into the banner list if they were changed.
    void StorePending();
    // Makes `name` the current banner: its link and info in the boxes, `picture` in picBanner.
    void LoadBanner(const std::string& name, const std::string& picture);
    void InfoClicked();

    ProgramContext& m_context;
    const BannerLine m_line;
    FileList filBanners;
    std::string m_current;
    bool m_changed = false;
    bool m_placed = false;

    QListWidget* lstFoundBanners = nullptr;
    QPushButton* cmdLoadBanners = nullptr;
    QListWidget* lstBanners = nullptr;
    ccXPButton* ccXPButton2 = nullptr;
    ccXPButton* ccXPButton3 = nullptr;
    ccXPButton* ccXPButton4 = nullptr;
    ccXPButton* ccXPButton5 = nullptr;
    ccXPButton* ccXPButton6 = nullptr;
    QLabel* picBanner = nullptr;
    QLabel* lblLink = nullptr;
    QLineEdit* txtLink = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtInfo = nullptr;
    ClipboardWatch* clipboardWatch_ = nullptr;  // an address on the clipboard moves into the link box
};
