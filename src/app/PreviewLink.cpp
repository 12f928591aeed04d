#include "app/PreviewLink.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>

QString PreviewProgramPath()
{
    QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Pinwall-Preview");
#ifdef _WIN32
    path += QStringLiteral(".exe");
#endif
    return path;
}

PreviewLink::PreviewLink(QString program) : program_(std::move(program)) {}

PreviewLink::~PreviewLink()
{
    Stop();
}

bool PreviewLink::Show(const QString& file, std::optional<QSize> outerSize)
{
    if (!process_ && !Start()) return false;
    const QByteArray line = EncodePreviewShow({file, outerSize});
    if (socket_) socket_->write(line);
    else pending_ += line;
    return true;
}

void PreviewLink::StartEarly()
{
    if (!process_) Start();
}

bool PreviewLink::Start()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = QStringLiteral("Pinwall-Preview-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    if (!server_->listen(name)) {
        Stop();
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, &PreviewLink::Connected);

    process_ = new QProcess(this);
    process_->setProgram(program_);
    process_->setArguments({QStringLiteral("--connect"), server_->fullServerName()});
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    process_->start();
    if (!process_->waitForStarted(5000)) {
        Stop();
        return false;
    }
    connect(process_, &QProcess::finished, this, &PreviewLink::Ended);
    return true;
}

void PreviewLink::Connected()
{
    QLocalSocket* socket = server_->nextPendingConnection();
    if (!socket || socket_) {
        delete socket;
        return;
    }
    socket_ = socket;
    // One preview program: nobody else may take its place.
    server_->close();
    connect(socket, &QLocalSocket::readyRead, this, &PreviewLink::ReadReports);
    socket->write(pending_);
    pending_.clear();
}

void PreviewLink::ReadReports()
{
    while (socket_ && socket_->canReadLine()) {
        if (const auto report = DecodePreviewShown(socket_->readLine())) {
            lastShown_ = report;
            emit shown(*report);
        }
    }
}

void PreviewLink::Ended()
{
    // A page that was asked for and never taken is a failed preview; the next one starts the
    // program again.
    const bool lost = !pending_.isEmpty();
    Stop();
    if (lost) emit failed();
}

void PreviewLink::Stop()
{
    pending_.clear();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    delete server_;
    server_ = nullptr;
    if (process_) {
        process_->disconnect(this);
        // The closed socket ends the program; one that does not end is stopped.
        if (process_->state() != QProcess::NotRunning && !process_->waitForFinished(3000)) {
            process_->kill();
            process_->waitForFinished(1000);
        }
        // Stop runs inside the process's own signal too.
        process_->deleteLater();
        process_ = nullptr;
    }
}
