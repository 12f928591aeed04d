#include "editor/PictureChoice.h"

#include "common/gui/ListHelpers.h"
#include "document/PageDecorations.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QSignalBlocker>

namespace {

constexpr int kListWidth = 170;
constexpr int kPreviewWidth = 260;
constexpr int kPreviewHeight = 150;

} // namespace

PictureChoice::PictureChoice(const QString& title, const QString& useCaption, QWidget* parent)
    : QGroupBox(title, parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(title);

    File2 = new QListWidget(this);
    File2->setObjectName(QStringLiteral("File2"));
    File2->setAccessibleName(title);
    File2->setFixedWidth(kListWidth);

    chkBack = new QCheckBox(useCaption, this);
    chkBack->setObjectName(QStringLiteral("chkBack"));
    chkBack->setAccessibleName(useCaption);
    chkBack->setChecked(true);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Picture1"));
    Picture1->hide();

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAccessibleName(QStringLiteral("Picture2"));
    Picture2->setFixedSize(kPreviewWidth, kPreviewHeight);
    Picture2->setFrameShape(QFrame::StyledPanel);
    Picture2->setFrameShadow(QFrame::Sunken);
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* grid = new QGridLayout(this);
    grid->addWidget(File2, 0, 0, 2, 1);
    grid->addWidget(Picture2, 0, 1);
    grid->addWidget(chkBack, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setRowStretch(1, 1);

    // A click or a move of the selection with the keys is a picture click, as on a file list box.
    connect(File2, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { PictureClicked(File2->row(item)); });
    connect(File2, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = SelectedRow(*File2);
        if (row >= 0) PictureClicked(row);
    });
    connect(chkBack, &QCheckBox::clicked, this, [this] { CheckClicked(); });
}

void PictureChoice::SetFolder(const std::string& folder, const std::string& pattern)
{
    m_files = FileList(folder, pattern);
    const QSignalBlocker blocker(File2);
    File2->clear();
    for (const std::string& file : m_files.Files())
        File2->addItem(QString::fromStdString(file));
}

void PictureChoice::ReadImage(const std::string& name, bool use)
{
    const int row = FindPictureRow(m_files.Files(), name);
    if (row >= 0) {
        {
            const QSignalBlocker blocker(File2);
            File2->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        }
        ShowPicture(row);
    }
    if (!use) {
        SetUseChecked(false);
        Picture2->clear();
    }
}

void PictureChoice::PictureClicked(int row)
{
    if (row < 0 || row >= File2->count()) return;
    ShowPicture(row);
    SetUseChecked(true);
}

void PictureChoice::CheckClicked()
{
    const bool checked = chkBack->isChecked();
    if (checked) {
        PictureClicked(SelectedRow(*File2));
    } else {
        Picture2->clear();
    }
    emit useClicked(checked);
}

std::string PictureChoice::SelectedFile() const
{
    const int row = SelectedRow(*File2);
    return row >= 0 ? File2->item(row)->text().toStdString() : std::string();
}

bool PictureChoice::UseChecked() const
{
    return chkBack->isChecked();
}

void PictureChoice::ShowPicture(int row)
{
    const std::string file = File2->item(row)->text().toStdString();
    // A picture that cannot be read leaves the preview empty.
    const QPixmap picture(QString::fromStdString(m_files.Folder() + file));
    Picture1->setPixmap(picture);
    TilePicture(*Picture2, picture);
}

void PictureChoice::SetUseChecked(bool checked)
{
    if (chkBack->isChecked() == checked) return;
    chkBack->setChecked(checked);
    CheckClicked();
}
