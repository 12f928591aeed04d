#include "common/gui/ClipboardWatch.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <utility>

namespace {
constexpr int kLookIntervalMs = 500;
}

ClipboardWatch::ClipboardWatch(QWidget& window, std::function<bool(const QString&)> take)
    : QObject(&window), take_(std::move(take))
{
    timer_.setInterval(kLookIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ClipboardWatch::Look);
    window.installEventFilter(this);
}

void ClipboardWatch::Look()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    const QString text = clipboard->text();
    if (!taken_.isEmpty() && text == taken_) {
        clipboard->clear();
        return;
    }
    taken_.clear();
    if (!take_(text)) return;
    taken_ = text;
    clipboard->clear();
}

bool ClipboardWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && Active())
        QTimer::singleShot(0, this, &ClipboardWatch::Look);
    return QObject::eventFilter(watched, event);
}
