// The desktop's screenshot portal (org.freedesktop.portal.Screenshot), the only way a program
// can take the screen on Wayland: one non-interactive request, answered through a signal.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusConnection;

class ScreenshotPortal : public QObject {
    Q_OBJECT

public:
    // Asks for a snapshot of all screens and waits (letting events run) at most `timeoutMs` in all,
    // the call included, for the answer; the desktop may first ask the user for permission. Empty
    // when there is no portal, the user refused, or no answer came in time. The file the portal
    // wrote is removed.
    QImage Take(int timeoutMs);

private slots:
    void Response(uint response, const QVariantMap& results);

signals:
    void answered();

private:
    // Connects (or disconnects) Response to the answer of the request object at `request`.
    void Listen(QDBusConnection& bus, const QString& request, bool on);

    bool m_answered = false;
    QString m_uri;
};
