#include "editor/BackWindow.h"

#include "app/ProgramContext.h"
#include "app/ProgramEnd.h"
#include "common/gui/WindowHelpers.h"
#include "document/PageDecorations.h"
#include "editor/PictureChoice.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace {

const char* const kCaption = "Hintergrund";
const char* const kFrame = "Hintergrund:";
const char* const kUseBackground = "Hintergrund verwenden";

} // namespace

frmBack::frmBack(ProgramContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("frmBack"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setAccessibleName(windowTitle());

    Frame1 = new PictureChoice(QString::fromUtf8(kFrame), QString::fromUtf8(kUseBackground), this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Frame1);

    // The check box changes the page in memory only; the file gets it when the window closes.
    connect(Frame1, &PictureChoice::useClicked, this, [this](bool checked) { m_context.Page.UseBack = checked; });
}

frmBack::~frmBack() = default;

void frmBack::Open()
{
    show();
    Frame1->SetFolder(m_context.Paths.BackFolder, kBackgroundPattern);
    Frame1->ReadImage(m_context.Page.BackFile, m_context.Page.UseBack);
}

void frmBack::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed) return;
    m_placed = true;
    CenterForm(*this);
    MakeTopmost(*this);
}

void frmBack::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Ending the program keeps nothing on the way, the background's choice included.
    if (ProgramEnding()) return;
    StoreBackground(m_context.Page, Frame1->SelectedFile(), Frame1->UseChecked());
}
