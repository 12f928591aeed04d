// The picture part of the header line editor and the background chooser: a frame with the
// pictures of BackFolder (File2), the use check box (chkBack), the loaded picture (Picture1,
// not shown) and its tiled preview (Picture2). The owner decides what the check box stores.
#pragma once

#include "common/FileList.h"

#include <QGroupBox>

#include <string>

class QCheckBox;
class QLabel;
class QListWidget;

class PictureChoice : public QGroupBox {
    Q_OBJECT

public:
    // `title` is the frame's caption, `useCaption` the check box's; the box starts ticked.
    PictureChoice(const QString& title, const QString& useCaption, QWidget* parent = nullptr);

    // Points File2 at the folder and lists the pictures that match the pattern.
    void SetFolder(const std::string& folder, const std::string& pattern);

    // Selects the listed picture called `name` (without regard to case) and shows it; without
    // `use` the check box is unticked, which runs its click, and the preview is cleared.
    void ReadImage(const std::string& name, bool use);

    // A click on the picture of `row`: loads and tiles it and ticks the check box.
    void PictureClicked(int row);
    // The check box's click: ticked, the selected picture is shown again; unticked, the
    // preview is cleared. Then useClicked tells the owner.
    void CheckClicked();

    // The selected picture's file name, empty when none is selected.
    std::string SelectedFile() const;
    bool UseChecked() const;

    QListWidget* Pictures() const { return File2; }
    QCheckBox* UseBox() const { return chkBack; }
    QLabel* Preview() const { return Picture2; }

signals:
    void useClicked(bool checked);

private:
    void ShowPicture(int row);
    // Ticks or unticks the box as code does on Windows: a change of state runs the click.
    void SetUseChecked(bool checked);

    FileList m_files;

    QListWidget* File2 = nullptr;
    QCheckBox* chkBack = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
};
