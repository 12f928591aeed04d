#include "editor/HeadWindow.h"

#include "app/ProgramContext.h"
#include "common/gui/ListHelpers.h"
#include "common/gui/WindowHelpers.h"
#include "controls/XPButton.h"
#include "document/PageDecorations.h"
#include "editor/DecorationControls.h"
#include "editor/PictureChoice.h"

#include <QGridLayout>
#include <QListWidget>

namespace {

const char* const kCaption = "Kopfzeile - Direkt-Eingabe Formen";
const char* const kWallpaperFrame = "Wallpaper:";
const char* const kUseWallpaper = "Wallpaper verwenden";
const char* const kStore = "Übernehmen";

constexpr int kListWidth = 190;
constexpr int kListHeight = 200;

} // namespace

frmHead::frmHead(ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("frmHead"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setAccessibleName(windowTitle());

    File1 = MakeDecorationList("File1", kListWidth, kListHeight, this);
    List1 = MakeDecorationList("List1", kListWidth, kListHeight, this);

    using namespace DecorationGlyphs;
    ccXPButton3 = MakeArrowButton("ccXPButton3", Right, this);
    ccXPButton2 = MakeArrowButton("ccXPButton2", Left, this);
    ccXPButton4 = MakeArrowButton("ccXPButton4", Up, this);
    ccXPButton5 = MakeArrowButton("ccXPButton5", Down, this);
    ccXPButton1 = MakeDecorationButton("ccXPButton1", kStore, this);

    Frame1 = new PictureChoice(QString::fromUtf8(kWallpaperFrame), QString::fromUtf8(kUseWallpaper), this);


    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(File1, 0, 0);
    grid->addLayout(ButtonPair(ccXPButton3, ccXPButton2), 0, 1);
    grid->addWidget(List1, 0, 2);
    grid->addLayout(ButtonPair(ccXPButton4, ccXPButton5), 0, 3);
    grid->addWidget(Frame1, 1, 0, 1, 4);
    grid->addWidget(ccXPButton1, 2, 0, 1, 4, Qt::AlignRight);

    connect(ccXPButton3, &ccXPButton::Click, this, &frmHead::AddForm);
    connect(ccXPButton2, &ccXPButton::Click, this, &frmHead::RemoveForm);
    OnClickAndDoubleClick(*ccXPButton4, *this, [this] { MoveUp(); });
    OnClickAndDoubleClick(*ccXPButton5, *this, [this] { MoveDown(); });
    connect(ccXPButton1, &ccXPButton::Click, this, &frmHead::Store);
    // The use of the wallpaper reaches the page file at the moment of the click.
    connect(Frame1, &PictureChoice::useClicked, this, [this](bool checked) { StoreUseWall(m_context.Page, checked); });
}

frmHead::~frmHead() = default;

void frmHead::Open()
{
    m_forms = FileList(m_context.Paths.FormsFolder, kFormPattern);
    File1->clear();
    for (const std::string& file : m_forms.Files())
        File1->addItem(QString::fromStdString(file));
    for (const std::string& name : ReadChosenList(m_context.Page, kHeaderSection))
        List1->addItem(QString::fromStdString(name));
    show();
    ReadImage();
}

void frmHead::ReadImage()
{
    Frame1->SetFolder(m_context.Paths.BackFolder, kWallpaperPattern);
    Frame1->ReadImage(m_context.Page.WallFile, m_context.Page.UseWall);
}

void frmHead::AddForm()
{
    const int row = SelectedRow(*File1);
    if (row < 0) return;
    // A file called only ".form" names no form.
    const std::string name = FormName(File1->item(row)->text().toStdString());
    if (!name.empty()) AppendOnce(*List1, QString::fromStdString(name));
}

void frmHead::RemoveForm()
{
    const int row = SelectedRow(*List1);
    if (row >= 0) delete List1->takeItem(row);
}

void frmHead::MoveUp()
{
    if (SelectedRow(*List1) >= 0) ListMoveUp(*List1);
}

void frmHead::MoveDown()
{
    if (SelectedRow(*List1) >= 0) ListMoveDown(*List1);
}

void frmHead::Store()
{
    std::vector<std::string> forms;
    for (const QString& name : ListTexts(*List1))
        forms.push_back(name.toStdString());
    StoreHeaderLine(m_context.Page, forms, Frame1->SelectedFile(), Frame1->UseChecked());
    close();
}

void frmHead::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed) return;
    m_placed = true;
    CenterForm(*this);
    MakeTopmost(*this);
}
