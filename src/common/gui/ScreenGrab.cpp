// The screen snapshot of the real desktop: the whole virtual desktop once the windows this
// program has just hidden are really gone from it.
#include "common/gui/DesktopServices.h"

#ifdef PINWALL_HAVE_DBUS
#include "common/gui/ScreenshotPortal.h"
#include "common/gui/WindowHelpers.h"
#endif

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <algorithm>

namespace {

// Lets events run until `done` holds or `limitMs` have passed.
template <typename Done>
void RunEventsUntil(int limitMs, Done done)
{
    QDeadlineTimer deadline(limitMs);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (done() || deadline.hasExpired()) break;
        QThread::msleep(5);
    }
}

// Hiding a window only asks the window system to unmap it; the windows beneath must then be
// repainted before the snapshot shows them. Waits until no hidden window of this program is
// still exposed, then gives the windows beneath a moment to draw themselves.
void WaitForHiddenWindows()
{
    constexpr int kUnmapLimitMs = 500;
    constexpr int kRepaintMs = 60;
    RunEventsUntil(kUnmapLimitMs, [] {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        return std::none_of(windows.begin(), windows.end(),
                            [](const QWindow* window) { return !window->isVisible() && window->isExposed(); });
    });
    RunEventsUntil(kRepaintMs, [] { return false; });
}

// In a Wayland session only the desktop's portal can take the screen: an X11 grab through
// XWayland gives a black picture, not an empty one.
bool InWaylandSession()
{
    return OnWayland() || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The snapshot's pixels as they are on the screen; no scaling factor is kept with them.
QImage DevicePixels(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

QImage QtDesktopServices::GrabScreen()
{
    WaitForHiddenWindows();
    if (!InWaylandSession()) {
        // Window 0 is the root window: every screen at its place on the virtual desktop.
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QImage shot = DevicePixels(screen->grabWindow(0));
            if (!shot.isNull()) return shot;
        }
    }
#ifdef PINWALL_HAVE_DBUS
    // Long enough for the user to answer the desktop's permission question the first time.
    constexpr int kPortalLimitMs = 60000;
    ScreenshotPortal portal;
    const QImage shot = portal.Take(kPortalLimitMs);
    if (!shot.isNull()) return shot.convertToFormat(QImage::Format_RGB32);
#endif
    return {};
}
