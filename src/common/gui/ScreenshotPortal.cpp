#include "common/gui/ScreenshotPortal.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
}

QImage ScreenshotPortal::Take(int timeoutMs)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()
        || !bus.interface()->isServiceRegistered(kService).value())
        return {};

    // The portal answers on a request object whose path follows from our bus name and a token
    // of our choice; listening there before asking means no answer can be missed.
    const QString token = QStringLiteral("pinwall%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString request = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    bus.connect(kService, request, QStringLiteral("org.freedesktop.portal.Request"),
                QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath,
        QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), false);
    call << QString() << options;
    const QDBusReply<QDBusObjectPath> handle = bus.call(call, QDBus::Block, timeoutMs);
    if (handle.isValid() && !m_answered) {
        QEventLoop loop;
        connect(this, &ScreenshotPortal::answered, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    bus.disconnect(kService, request, QStringLiteral("org.freedesktop.portal.Request"),
                   QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));
    if (m_uri.isEmpty()) return {};

    const QString file = QUrl(m_uri).toLocalFile();
    QImage shot(file);
    // The portal saved the snapshot among the user's pictures; it was only ever ours.
    QFile::remove(file);
    return shot;
}

void ScreenshotPortal::Response(uint response, const QVariantMap& results)
{
    if (response == 0) m_uri = results.value(QStringLiteral("uri")).toString();
    m_answered = true;
    emit answered();
}
