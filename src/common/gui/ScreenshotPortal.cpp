#include "common/gui/ScreenshotPortal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
}

QImage ScreenshotPortal::Take(int timeoutMs)
{
    // Whether or not the portal runs yet: the call itself makes D-Bus start it.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return {};
    QDeadlineTimer deadline(timeoutMs);

    // The portal answers on a request object whose path follows from our bus name and a token
    // of our choice; listening there before asking means no answer can be missed.
    const QString token = QStringLiteral("pinwall%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    Listen(bus, expected, true);

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath,
        QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), false);
    call << QString() << options;
    const QDBusReply<QDBusObjectPath> handle =
        bus.call(call, QDBus::Block, static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    // A portal older than the token rule answers on a path of its own choosing.
    const QString request = handle.isValid() ? handle.value().path() : expected;
    if (request != expected) {
        Listen(bus, expected, false);
        Listen(bus, request, true);
    }
    if (handle.isValid() && !m_answered && !deadline.hasExpired()) {
        QEventLoop loop;
        connect(this, &ScreenshotPortal::answered, &loop, &QEventLoop::quit);
        QTimer::singleShot(static_cast<int>(deadline.remainingTime()), &loop, &QEventLoop::quit);
        loop.exec();
    }
    Listen(bus, request, false);
    // Given up on: the desktop takes its question away, so that a late yes leaves no stray
    // snapshot among the user's pictures.
    if (handle.isValid() && !m_answered)
        bus.send(QDBusMessage::createMethodCall(kService, request, QStringLiteral("org.freedesktop.portal.Request"),
                                                QStringLiteral("Close")));
    if (m_uri.isEmpty()) return {};

    const QString file = QUrl(m_uri).toLocalFile();
    QImage shot(file);
    // The portal saved the snapshot among the user's pictures; it was only ever ours.
    QFile::remove(file);
    return shot;
}

void ScreenshotPortal::Listen(QDBusConnection& bus, const QString& request, bool on)
{
    const QString interface = QStringLiteral("org.freedesktop.portal.Request");
    const QString signal = QStringLiteral("Response");
    if (on)
        bus.connect(kService, request, interface, signal, this, SLOT(Response(uint, QVariantMap)));
    else
        bus.disconnect(kService, request, interface, signal, this, SLOT(Response(uint, QVariantMap)));
}

void ScreenshotPortal::Response(uint response, const QVariantMap& results)
{
    if (response == 0) m_uri = results.value(QStringLiteral("uri")).toString();
    m_answered = true;
    emit answered();
}
