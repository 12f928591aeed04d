// frmMain: what the column controls do — picking, moving, deleting, and handing a column's
// entry to the new entry dialog, the logo capture and the link dialog.
#include "editor/MainWindow.h"

#include "app/ProgramContext.h"
#include "common/FileLookup.h"
#include "common/Ini.h"
#include "common/NameRules.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/ListHelpers.h"
#include "editor/ColumnGroup.h"
#include "editor/ColumnListWidget.h"
#include "editor/MainWindowTexts.h"

#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>

void frmMain::PickEntry(int index, Qt::MouseButton button)
{
    ColumnGroup& group = *m_columns.at(index);
    EditorSelection& selection = m_context.Selection;
    selection.CurrentEntryName = group.lstPinwall->SelectedText().toStdString();
    if (selection.CurrentEntryName.empty())
        return;
    selection.TargetColumn = static_cast<std::int16_t>(index + 1);

    if (button == Qt::RightButton) {
        if (PreparePopup(index))
            mnuPop->popup(QCursor::pos());
        return;
    }

    const std::string section = EntrySectionName(selection.CurrentEntryName);
    const std::string& pageFile = m_context.Page.PageFile;
    group.txtLink->setText(QString::fromStdString(ReadIni(section, "Link", pageFile)));
    ShowPickedLogo(index, section);
}

void frmMain::ShowPickedLogo(int index, const std::string& section)
{
    ColumnGroup& group = *m_columns.at(index);
    const std::string& library = m_context.Paths.LibraryFolder;
    std::string image = ReadIni(section, "Image", m_context.Page.PageFile);
    SpacesToUnderscores(image);
    if (image.empty()) {
        group.ClearPicture();
        group.ShowCaptureLabel(true);
        return;
    }
    if (const auto logo = FindFileAnyCase(library, image)) {
        ShowLogo(index, QString::fromStdString(*logo));
        return;
    }
    // The page may still name a logo the library has since renamed to the entry's own stem.
    const std::string stem = EntryFileStem(m_context.Selection.CurrentEntryName) + ".jpg";
    if (const auto logo = FindFileAnyCase(library, stem)) {
        ShowLogo(index, QString::fromStdString(*logo));
        WriteIni(section, "Image", stem, m_context.Page.PageFile);
        return;
    }
    group.ClearPicture();
    group.ShowCaptureLabel(true);
}

bool frmMain::PreparePopup(int index)
{
    if (m_columns.at(index)->lstPinwall->SelectedText().isEmpty())
        return false;
    const int columns = m_context.Page.Columns;
    for (int target = 0; target < kColumnCount; ++target)
        mnuMove[target]->setEnabled(target < columns && target != index);
    return true;
}

void frmMain::MoveEntryToColumn(int target)
{
    const int source = m_context.Selection.TargetColumn - 1;
    if (source < 0 || source >= kColumnCount || target < 0 || target >= kColumnCount || source == target)
        return;
    ColumnGroup& from = *m_columns[source];
    if (from.lstPinwall->SelectedText().isEmpty())
        return;
    ListMoveItem(*from.lstPinwall, *m_columns[target]->lstPinwall);
    from.txtLink->clear();
    from.ClearPicture();
    from.ShowCaptureLabel(true);
    PickEntry(target, Qt::LeftButton);
}

void frmMain::DeleteEntry(int index)
{
    ColumnGroup& group = *m_columns.at(index);
    const QString name = group.lstPinwall->SelectedText();
    m_context.Selection.CurrentEntryName = name.toStdString();
    if (name.isEmpty())
        return;
    const QString question = QString::fromUtf8(MainWindowTexts::DeleteQuestion).arg(name);
    if (!Services().AskYesNo(question, Title()))
        return;
    delete group.lstPinwall->takeItem(SelectedRow(*group.lstPinwall));
    // Nothing is picked after a removal; the link field keeps its text until the next pick.
    group.lstPinwall->clearSelection();
    group.lstPinwall->setCurrentRow(-1);
    group.ClearPicture();
    FocusDummy();
}

void frmMain::MoveEntryUp(int index)
{
    FocusDummy();
    ColumnListWidget& list = *m_columns.at(index)->lstPinwall;
    if (SelectedRow(list) >= 0)
        ListMoveUp(list);
}

void frmMain::MoveEntryDown(int index)
{
    FocusDummy();
    ColumnListWidget& list = *m_columns.at(index)->lstPinwall;
    if (SelectedRow(list) >= 0)
        ListMoveDown(list);
}

void frmMain::StartNewEntry(int index)
{
    FocusDummy();
    EditorSelection& selection = m_context.Selection;
    selection.LogoPresent = false;
    selection.TargetColumn = static_cast<std::int16_t>(index + 1);
    selection.TargetColumnCount = static_cast<std::int16_t>(m_columns.at(index)->lstPinwall->count());
    selection.EntryFromLibrary = false;
    selection.LibraryImage.clear();
    StepAsideFor(QMetaMethod::fromSignal(&frmMain::newEntryRequested));
    emit newEntryRequested();
}

void frmMain::StartCapture(int index)
{
    FocusDummy();
    EditorSelection& selection = m_context.Selection;
    selection.TargetColumn = static_cast<std::int16_t>(index + 1);
    selection.CurrentEntryName = m_columns.at(index)->lstPinwall->SelectedText().toStdString();
    if (selection.CurrentEntryName.empty())
        return;
    selection.CaptureCaller = 2;
    // Hidden before the capture starts, so that the snapshot shows what lies beneath.
    StepAsideFor(QMetaMethod::fromSignal(&frmMain::captureRequested));
    emit captureRequested();
}

void frmMain::StepAsideFor(const QMetaMethod& signal)
{
    if (isSignalConnected(signal))
        hide();
}

void frmMain::OpenLinkDialog(int index)
{
    FocusDummy();
    ColumnGroup& group = *m_columns.at(index);
    EditorSelection& selection = m_context.Selection;
    selection.TargetColumn = static_cast<std::int16_t>(index + 1);
    selection.CurrentEntryName = group.lstPinwall->SelectedText().toStdString();
    if (selection.CurrentEntryName.empty())
        return;
    const std::string section = EntrySectionName(selection.CurrentEntryName);
    selection.LinkBefore = group.txtLink->text().toStdString();
    selection.InfoBefore = ReadIni(section, "Info", m_context.Page.PageFile, "(optional)");
    emit linkDialogRequested();
}
