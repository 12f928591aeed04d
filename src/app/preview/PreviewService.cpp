#include "app/preview/PreviewService.h"

#include "app/PreviewMessages.h"

#include <QCoreApplication>
#include <QWebEngineView>

PreviewService::PreviewService()
{
    connect(&socket_, &QLocalSocket::readyRead, this, &PreviewService::ReadCommands);
    connect(&socket_, &QLocalSocket::disconnected, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool PreviewService::Connect(const QString& serverName)
{
    socket_.connectToServer(serverName);
    return socket_.waitForConnected(5000);
}

void PreviewService::ReadCommands()
{
    while (socket_.canReadLine()) {
        if (const auto show = DecodePreviewShow(socket_.readLine())) Show(show->file, show->outerSize);
    }
}

void PreviewService::Show(const QString& file, std::optional<QSize> outerSize)
{
    if (!window_) {
        window_ = std::make_unique<frmPreview>();
        connect(window_->Browser(), &QWebEngineView::loadFinished, this, &PreviewService::Report);
    }
    window_->show();
    if (outerSize) {
        // The sizes are the window's outer size; the frame is known once the window is shown.
        const QSize frame = window_->frameGeometry().size() - window_->size();
        window_->resize(outerSize->width() - frame.width(), outerSize->height() - frame.height());
    }
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
    file_ = file;
    window_->ShowFile(file);
}

void PreviewService::Report(bool ok)
{
    if (socket_.state() != QLocalSocket::ConnectedState) return;
    socket_.write(EncodePreviewShown({ok, file_, window_->frameGeometry()}));
}
