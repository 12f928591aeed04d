// The controls of one column of the column editor.
#include "editor/ColumnGroup.h"

#include "common/gui/ListHelpers.h"
#include "controls/XPButton.h"
#include "editor/ColumnListWidget.h"
#include "editor/MainWindowTexts.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int kLogoHeight = 64;
constexpr int kButtonHeight = 23;

QString Named(const char* name, int index)
{
    return QString::fromLatin1(name) + QString::number(index);
}

ccXPButton* MakeButton(const char* name, int index, const QString& caption, QWidget* parent)
{
    auto* button = new ccXPButton(parent);
    button->setObjectName(Named(name, index));
    button->setCaption(caption);
    button->setFixedHeight(kButtonHeight);
    return button;
}

} // namespace

ColumnGroup::ColumnGroup(int index, QWidget* parent)
    : QGroupBox(parent)
    , m_index(index)
{
    using namespace MainWindowTexts;
    const QString frameTitle = QString::fromUtf8(ColumnFrame).arg(index + 1);
    setObjectName(Named("fraColumn", index));
    setTitle(frameTitle);
    setAccessibleName(frameTitle);

    lstPinwall = new ColumnListWidget(this);
    lstPinwall->setObjectName(Named("lstPinwall", index));
    lstPinwall->setAccessibleName(frameTitle);

    auto* pictureCaption = new QLabel(QString::fromUtf8(PictureLabel), this);
    picLogo = new QLabel(this);
    picLogo->setObjectName(Named("picLogo", index));
    picLogo->setAccessibleName(QString::fromUtf8(PictureLabel));
    picLogo->setFixedHeight(kLogoHeight);
    picLogo->setAlignment(Qt::AlignCenter);
    picLogo->setFrameShape(QFrame::StyledPanel);
    picLogo->setFrameShadow(QFrame::Sunken);
    picLogo->setAutoFillBackground(true);
    picLogo->setBackgroundRole(QPalette::Base);
    picLogo->setCursor(Qt::PointingHandCursor);
    pictureCaption->setBuddy(picLogo);

    lblLogo = new QLabel(QString::fromUtf8(NoLogo), this);
    lblLogo->setObjectName(Named("lblLogo", index));
    lblLogo->setAccessibleName(lblLogo->text());
    lblLogo->setAlignment(Qt::AlignCenter);
    lblLogo->setWordWrap(true);
    lblLogo->setMargin(4);
    lblLogo->setCursor(Qt::PointingHandCursor);
    lblLogo->setAttribute(Qt::WA_TranslucentBackground);

    auto* linkCaption = new QLabel(QString::fromUtf8(LinkLabel), this);
    txtLink = new QLineEdit(this);
    txtLink->setObjectName(Named("txtLink", index));
    txtLink->setAccessibleName(QString::fromUtf8(LinkLabel));
    // The link is changed in the link dialog, which a press on the field opens.
    txtLink->setReadOnly(true);
    txtLink->setCursor(Qt::PointingHandCursor);
    linkCaption->setBuddy(txtLink);

    cmdNewEntry = MakeButton("cmdNewEntry", index, QString::fromUtf8(NewEntry), this);
    cmdDel = MakeButton("cmdDel", index, QString::fromUtf8(DeleteGlyph), this);
    cmdUp = MakeButton("cmdUp", index, QString::fromUtf8(UpGlyph), this);
    cmdDown = MakeButton("cmdDown", index, QString::fromUtf8(DownGlyph), this);
    const std::pair<ccXPButton*, const char*> tips[] = {{cmdDel, DeleteTip}, {cmdUp, UpTip}, {cmdDown, DownTip}};
    for (const auto& [button, tip] : tips) {
        // The glyph says nothing to a screen reader; the tool tip does.
        button->setToolTip(QString::fromUtf8(tip));
        button->setAccessibleName(QString::fromUtf8(tip));
    }
    // The cross is drawn smaller than the triangles in most fonts.
    QFont crossFont = cmdDel->font();
    crossFont.setPointSizeF(crossFont.pointSizeF() * 1.3);
    crossFont.setBold(true);
    cmdDel->setFont(crossFont);

    // The capture label lies over the picture, in the same cell.
    auto* logoCell = new QGridLayout;
    logoCell->setContentsMargins(0, 0, 0, 0);
    logoCell->addWidget(picLogo, 0, 0);
    logoCell->addWidget(lblLogo, 0, 0);

    auto* moves = new QHBoxLayout;
    moves->setSpacing(4);
    moves->addWidget(cmdDel);
    moves->addWidget(cmdUp);
    moves->addWidget(cmdDown);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(3);
    column->addWidget(lstPinwall, 1);
    column->addSpacing(3);
    column->addWidget(pictureCaption);
    column->addLayout(logoCell);
    column->addSpacing(3);
    column->addWidget(linkCaption);
    column->addWidget(txtLink);
    column->addSpacing(6);
    column->addWidget(cmdNewEntry);
    column->addLayout(moves);

    picLogo->installEventFilter(this);
    lblLogo->installEventFilter(this);
    txtLink->installEventFilter(this);
}

void ColumnGroup::ShowPicture(const QPixmap& picture)
{
    // Before the window was first shown the box has not got its size yet.
    layout()->activate();
    ShowPictureWhole(*picLogo, picture);
}

void ColumnGroup::ClearPicture()
{
    picLogo->clear();
}

void ColumnGroup::ShowCaptureLabel(bool shown)
{
    lblLogo->setVisible(shown);
}

bool ColumnGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QGroupBox::eventFilter(watched, event);
    if (watched == txtLink) {
        emit LinkPressed();
        return true;
    }
    // Only a left click starts a capture; the other buttons would hide the editor by mistake.
    if ((watched == picLogo || watched == lblLogo) && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit LogoClicked();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}
