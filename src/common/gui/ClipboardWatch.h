// The clipboard watcher of a window with a link box: while it runs, it offers the clipboard's text
// every half second, and at once whenever the window comes to the front (a Wayland window can read
// the clipboard only while it has the focus); text the window takes is removed from the clipboard.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

class ClipboardWatch : public QObject {
public:
    // `take` sees the clipboard's text and answers whether the window took it.
    ClipboardWatch(QWidget& window, std::function<bool(const QString&)> take);

    void Start() { timer_.start(); }
    void Stop() { timer_.stop(); }
    bool Active() const { return timer_.isActive(); }
    // One look at the clipboard.
    void Look();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QString&)> take_;
    QTimer timer_;
    // What was taken last while the clipboard still holds it: a Wayland compositor refuses to empty
    // it until the window has had input newer than the copy, so emptying is tried again at every
    // look, and the text is not taken a second time.
    QString taken_;
};
