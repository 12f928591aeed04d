// frmCaptureRectangle: the frozen screen over the whole desktop, on which the user drags the
// rubber band around a logo. It only shows and reports; LogoCapture makes the logo.
#pragma once

#include "imaging/CaptureRules.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <vector>

class QScreen;

class frmCaptureRectangle : public QWidget {
    Q_OBJECT

public:
    // `snapshot` holds the desktop in device pixels; its top-left pixel is the desktop's.
    explicit frmCaptureRectangle(const QImage& snapshot, QWidget* parent = nullptr);
    ~frmCaptureRectangle() override;

    // Covers every screen, top-most and without a frame, takes the keyboard and starts the
    // Escape watcher. On Wayland, where a window cannot place itself, it is full screen on
    // `screen` (where the desktop allows) and the snapshot is that screen's part only.
    void ShowPicture(QScreen* screen = nullptr);
    // Hides the window and gives the keyboard back; the window reports nothing more.
    void End();

    const QImage& Snapshot() const { return m_snapshot; }
    // True once the window has painted itself on the screen.
    bool Painted() const { return m_painted; }

signals:
    // A mouse button went up: the band from where a button went down to where the left button
    // dragged it, in device pixels of the snapshot.
    void released(const CaptureBand& band);
    void escaped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint DevicePoint(const QPointF& logical) const;
    QRect LogicalRect(const QRect& device) const;
    // The pixels that are inverted: the band's four lines and the cross of the mouse pointer.
    std::vector<QRect> BandPixels() const;
    std::vector<QRect> CrossPixels() const;
    void Invalidate(const std::vector<QRect>& device);
    void MoveCross(const QPoint& device);
    // Shows `band` in place of the band shown so far, repainting only the lines of both.
    void ShowBand(const CaptureBand& band);
    void MoveBandEnd(const QPoint& device);
    void WatchEscape();
    void Escape();

    QImage m_snapshot;
    QTimer Timer1;             // the Escape watcher
    CaptureBand m_band;
    bool m_bandVisible = false;
    bool m_dragging = false;
    QPoint m_cross;
    bool m_crossVisible = false;
    bool m_escapeSeen = false;  // an Escape key press reached any window of the program
    bool m_keyboardTaken = false;
    bool m_reported = false;    // released or escaped went out; the window takes no more input
    bool m_painted = false;
};
