#include "common/gui/WindowHelpers.h"

#include "common/gui/DesktopServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

bool IsMessageKind(int kind)
{
    return kind >= kMessageInformation && kind <= kMessageQuestion;
}

} // namespace

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

TwipsPosition CenterPositionTwips(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    // 85 % of the height, rounded, in integers so that no binary fraction of 0.85 can tip a value
    // to the wrong side. Whether a half rounds up or to even makes no difference once it is halved.
    const long long usedHeight = (17LL * screenHeight + 10) / 20;
    TwipsPosition position;
    position.top = static_cast<int>(usedHeight / 2) - windowHeight / 2;
    position.left = screenWidth / 2 - windowWidth / 2;
    position.top = std::max(position.top, 0);
    position.left = std::max(position.left, 0);
    return position;
}

void CenterForm(QWidget& widget)
{
    QWidget& window = *widget.window();
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect screenArea = screen->geometry();
    // The frame counts, as the size of a window on the desktop does; before the first show the
    // frame is unknown and this is the client size.
    const QSize windowSize = window.frameGeometry().size();
    const TwipsPosition position = CenterPositionTwips(
        PixelsToTwips(screenArea.width()), PixelsToTwips(screenArea.height()),
        PixelsToTwips(windowSize.width()), PixelsToTwips(windowSize.height()));
    window.move(screenArea.topLeft() + QPoint(TwipsToPixels(position.left), TwipsToPixels(position.top)));
}

void KeepInFrontOf(QWidget& widget, QWidget* owner)
{
    QWidget& window = *widget.window();
    if (!OnWayland() || !owner || owner->window() == &window) return;
    window.winId();
    QWindow* parent = owner->window()->windowHandle();
    if (window.windowHandle() && parent) window.windowHandle()->setTransientParent(parent);
}

void MakeTopmost(QWidget& widget)
{
    QWidget& window = *widget.window();
    if (OnWayland()) {
        // A Wayland window cannot keep itself above others; in front of the window it was opened
        // from is what the desktop allows.
        KeepInFrontOf(window, QApplication::activeWindow());
        QCoreApplication::processEvents();
        return;
    }
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags of a window re-creates it hidden; put it back where and as it was.
        const bool wasVisible = window.isVisible();
        const QPoint position = window.pos();
        const QSize size = window.size();
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window.resize(size);
        if (wasVisible) {
            window.move(position);
            window.show();
        }
    }
    QCoreApplication::processEvents();
}

void ShowMessage(const QString& text, int kind, QString& title)
{
    if (title.isEmpty())
        title = DefaultTitle();
    if (!IsMessageKind(kind))
        return;
    Services().ShowMessage(text, kind, title);
}

void ShowMessage(const QString& text, int kind)
{
    QString title;
    ShowMessage(text, kind, title);
}

QPushButton* MakePushButton(const char* name, const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}
