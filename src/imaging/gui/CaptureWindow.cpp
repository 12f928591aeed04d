#include "imaging/gui/CaptureWindow.h"

#include "common/gui/WindowHelpers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// The cross that stands for the mouse pointer: 32 pixels each way through the hot spot (15, 15).
constexpr int kCrossSize = 32;
constexpr int kCrossHotSpot = 15;
constexpr int kEscapeWatchMs = 20;

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

frmCaptureRectangle::frmCaptureRectangle(const QImage& snapshot, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_snapshot(snapshot.convertToFormat(QImage::Format_RGB32))
{
    setObjectName(QStringLiteral("frmCaptureRectangle"));
    setAccessibleName(QStringLiteral("frmCaptureRectangle"));
    // On X11 the window manager would keep the window off panels and docks; the frozen screen
    // must lie exactly on the screen, so the window places itself.
    if (OnX11()) setWindowFlag(Qt::BypassWindowManagerHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The window draws its own inverting cross: a cursor image cannot invert the screen on X11.
    setCursor(Qt::BlankCursor);
    Timer1.setInterval(kEscapeWatchMs);
    connect(&Timer1, &QTimer::timeout, this, &frmCaptureRectangle::WatchEscape);
}

frmCaptureRectangle::~frmCaptureRectangle()
{
    qApp->removeEventFilter(this);
}

void frmCaptureRectangle::ShowPicture(QScreen* screen)
{
    m_dragging = false;
    // Escape is watched in every window of the program, not only in this one.
    qApp->installEventFilter(this);
    Timer1.start();
    if (OnWayland()) {
        // A Wayland client cannot place its windows; full screen is the nearest it gets.
        if (screen) setScreen(screen);
        showFullScreen();
    } else {
        const QScreen* screen = QGuiApplication::primaryScreen();
        setGeometry(screen ? screen->virtualGeometry() : QRect(QPoint(0, 0), m_snapshot.size()));
        show();
    }
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void frmCaptureRectangle::End()
{
    m_reported = true;
    Timer1.stop();
    qApp->removeEventFilter(this);
    if (m_keyboardTaken) releaseKeyboard();
    m_keyboardTaken = false;
    hide();
}

QPoint frmCaptureRectangle::DevicePoint(const QPointF& logical) const
{
    const qreal ratio = devicePixelRatioF();
    return QPoint(static_cast<int>(std::lround(logical.x() * ratio)),
                  static_cast<int>(std::lround(logical.y() * ratio)));
}

QRect frmCaptureRectangle::LogicalRect(const QRect& device) const
{
    const qreal ratio = devicePixelRatioF();
    const QRectF logical(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                         device.height() / ratio);
    return logical.toAlignedRect().adjusted(-1, -1, 1, 1);
}

std::vector<QRect> frmCaptureRectangle::BandPixels() const
{
    if (!m_bandVisible) return {};
    const CaptureBand& b = m_band;
    return {QRect(QPoint(b.startX, b.startY), QPoint(b.endX, b.startY)).normalized(),  // Line1
            QRect(QPoint(b.startX, b.startY), QPoint(b.startX, b.endY)).normalized(),  // Line2
            QRect(QPoint(b.endX, b.startY), QPoint(b.endX, b.endY)).normalized(),      // Line3
            QRect(QPoint(b.startX, b.endY), QPoint(b.endX, b.endY)).normalized()};     // Line4
}

std::vector<QRect> frmCaptureRectangle::CrossPixels() const
{
    if (!m_crossVisible) return {};
    const int scale = std::max(1, static_cast<int>(std::lround(devicePixelRatioF())));
    const int before = kCrossHotSpot * scale;
    const int after = (kCrossSize - 1 - kCrossHotSpot) * scale;
    const int x = m_cross.x();
    const int y = m_cross.y();
    return {QRect(QPoint(x - before, y), QPoint(x + after, y)),
            QRect(QPoint(x, y - before), QPoint(x, y + after))};
}

void frmCaptureRectangle::Invalidate(const std::vector<QRect>& device)
{
    for (const QRect& rect : device)
        update(LogicalRect(rect));
}

void frmCaptureRectangle::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    // Only the parts asked for: a moving band repaints a few thin strips, not a 4K picture.
    // Black only where the window reaches beyond the snapshot, so no pixel is painted twice.
    const QRectF snapshotArea(m_snapshot.rect());
    for (const QRect& area : event->region()) {
        const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                            area.height() * ratio);
        if (!snapshotArea.contains(source)) painter.fillRect(area, Qt::black);
        painter.drawImage(QRectF(area), m_snapshot, source);
    }
    // Every pixel under the band or the cross is inverted once, also where the two meet.
    QRegion inverted;
    for (const QRect& line : BandPixels()) inverted += line;
    for (const QRect& line : CrossPixels()) inverted += line;
    painter.scale(1.0 / ratio, 1.0 / ratio);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect& part : inverted)
        painter.fillRect(part, Qt::white);
    m_painted = true;
}

void frmCaptureRectangle::MoveCross(const QPoint& device)
{
    Invalidate(CrossPixels());
    m_cross = device;
    m_crossVisible = true;
    Invalidate(CrossPixels());
}

void frmCaptureRectangle::ShowBand(const CaptureBand& band)
{
    Invalidate(BandPixels());
    m_band = band;
    m_bandVisible = true;
    Invalidate(BandPixels());
}

void frmCaptureRectangle::MoveBandEnd(const QPoint& device)
{
    ShowBand({m_band.startX, m_band.startY, device.x(), device.y()});
}

void frmCaptureRectangle::mousePressEvent(QMouseEvent* event)
{
    if (m_reported) return;
    const QPoint point = DevicePoint(event->position());
    m_dragging = event->button() == Qt::LeftButton;
    ShowBand({point.x(), point.y(), point.x(), point.y()});
    MoveCross(point);
}

void frmCaptureRectangle::mouseMoveEvent(QMouseEvent* event)
{
    if (m_reported) return;
    const QPoint point = DevicePoint(event->position());
    MoveCross(point);
    if (m_dragging) MoveBandEnd(point);
}

void frmCaptureRectangle::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_reported) return;
    if (m_dragging) MoveBandEnd(DevicePoint(event->position()));
    m_dragging = false;
    m_reported = true;
    emit released(m_band);
}

void frmCaptureRectangle::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Escape();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmCaptureRectangle::leaveEvent(QEvent* event)
{
    Invalidate(CrossPixels());
    m_crossVisible = false;
    QWidget::leaveEvent(event);
}

bool frmCaptureRectangle::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (type == QEvent::KeyPress) m_escapeSeen = true;
        // The Escape that ends the capture is the capture's own: no other window acts on it.
        if (watched != this && watched != windowHandle()) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmCaptureRectangle::WatchEscape()
{
    // The keyboard can only be taken once the window is on the screen; until then, and should
    // another program hold it, Escape still arrives at whichever window of ours has the focus.
    if (!m_keyboardTaken && isVisible() && windowHandle() && windowHandle()->isExposed()
        && windowHandle()->setKeyboardGrabEnabled(true)) {
        grabKeyboard();
        m_keyboardTaken = true;
    }
    if (m_escapeSeen) Escape();
}

void frmCaptureRectangle::Escape()
{
    if (m_reported) return;
    m_reported = true;
    emit escaped();
}
