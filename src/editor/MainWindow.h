// frmMain, the column editor: the main window of Pinwall-Builder. It shows the open page's
// columns, the link and logo of the picked entry, moves and deletes entries in memory, and is
// the hub from which every other window is asked for through its signals.
#pragma once

#include "document/PageFile.h"

#include <QMainWindow>
#include <QString>

#include <array>

class ColumnGroup;
class ColumnListWidget;
class ccXPButton;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMetaMethod;
class QPushButton;
class QRadioButton;
struct ProgramContext;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(ProgramContext& context, QWidget* parent = nullptr);
    ~frmMain() override;

    // Lays the window out for the page's column count and centres it; the page file is not written.
    void SetColumns();

    // The six column lists, index = column number - 1.
    ColumnLists Columns() const;
    // Replaces the items of all six lists.
    void SetColumnLists(const ColumnLists& lists);

    // The check marks of the start page menu entries.
    StartPageMarks Marks() const;
    void SetMarks(const StartPageMarks& marks);

    bool PreviewChecked() const;
    // Sets the box without writing the settings file.
    void SetPreviewChecked(bool checked);

    // Mouse button down on the list of column `index`: shows the picked entry's link and logo,
    // or, for the right button, opens the column's pop-up menu.
    void PickEntry(int index, Qt::MouseButton button);
    // Asks, then removes the picked entry of column `index` from its list.
    void DeleteEntry(int index);
    void MoveEntryUp(int index);
    void MoveEntryDown(int index);
    // Moves the active column's picked entry to the end of column `target` (0 to 5).
    void MoveEntryToColumn(int target);
    // The column count option: lays out for `columns` and, unless SetColumns runs, writes it.
    void ChooseColumnCount(int columns);

    // Sets the enabled states of the pop-up menu for column `index`; false when the column has no
    // picked entry and there is no menu to show.
    bool PreparePopup(int index);
    QMenu* PopupMenu() const { return mnuPop; }

    // For the dialogs that hand results back to a column.
    ColumnListWidget* ColumnList(int index) const;
    QLineEdit* LinkField(int index) const;
    QLabel* LogoPicture(int index) const;
    QLabel* LogoLabel(int index) const;
    ColumnGroup* Column(int index) const;
    // Loads the picture file into the column's logo box and hides its capture label; a file that
    // cannot be read leaves the box empty and shows the label.
    void ShowLogo(int index, const QString& file);
    // Appends entries to column `index` as a dialog hands them back: the column shows them at once
    // (its count comes from its list), the last one picked with its link and logo.
    void AppendToColumn(int index, const QStringList& names, const QString& link, const QString& logo);
    // The scratch picture the logo capture loads its cut-out into.
    QLabel* ScratchPicture() const { return pic_TMP; }
    // Gives the keyboard focus to the invisible focus holder.
    void FocusDummy();

signals:
    void newPageRequested();
    void loadPageRequested();
    // "Lesezeichen importieren...".
    void importRequested();
    void saveRequested();
    void headerEditorRequested();
    void bannerEditorRequested();
    void footerEditorRequested();
    void backgroundRequested();
    // 0 Internet Explorer, 1 Firefox, 2 Opera, 3… the Chromium family (StartPageBrowser); the
    // installer sets the mark itself.
    void startPageRequested(int browser);
    void newEntryRequested();
    void captureRequested();
    void linkDialogRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildColumns(QWidget* client);
    void BuildBottomFrame(QWidget* client);
    void BuildMenus();
    void ConnectColumn(ColumnGroup& group);
    void ApplyColumnCount(int columns);
    void ShowPickedLogo(int index, const std::string& section);
    void StartNewEntry(int index);
    void StartCapture(int index);
    void OpenLinkDialog(int index);
    void PreviewClicked(bool checked);
    void StartPageChosen(QAction* action, int browser, bool checked);
    // Hides the editor while a window that takes its place is open; without such a window the
    // editor stays, so the program never runs on with no window at all.
    void StepAsideFor(const QMetaMethod& signal);
    QString Title() const;

    ProgramContext& m_context;
    bool m_settingColumns = false;

    std::array<ColumnGroup*, kColumnCount> m_columns{};
    QFrame* fraBottom = nullptr;
    std::array<QRadioButton*, 7> optCol{};  // indexes 2 to 6 are used
    QCheckBox* chkPreview = nullptr;
    ccXPButton* ccXPButton1 = nullptr;
    QPushButton* dummy = nullptr;
    QLabel* pic_TMP = nullptr;

    QAction* mnuHead = nullptr;
    QAction* mnuBanner = nullptr;
    QAction* mnuFoot = nullptr;
    QAction* mnuBack = nullptr;
    QMenu* mnuStart = nullptr;
    QAction* mnuIE = nullptr;
    QAction* mnuFF = nullptr;
    QAction* mnuOP = nullptr;
    // Shown only for the browsers whose user data is there when the menu opens.
    std::array<QAction*, kChromiumBrowsers.size()> mnuChromium{};
    QMenu* mnuPnw = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuLoad = nullptr;
    QAction* mnuImport = nullptr;
    QMenu* mnuPop = nullptr;
    std::array<QAction*, kColumnCount> mnuMove{};
    QAction* mnuDelete = nullptr;
};
