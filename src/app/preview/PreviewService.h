// The preview program's end of the local socket: shows what Pinwall-Builder asks for in the
// preview window and reports each page it finished loading. The program ends when the socket
// closes, so it never outlives the builder.
#pragma once

#include "app/preview/PreviewWindow.h"

#include <QLocalSocket>
#include <QObject>
#include <QString>

#include <memory>

class PreviewService : public QObject {
    Q_OBJECT

public:
    PreviewService();

    // Connects to the builder's socket; false when it is not there.
    bool Connect(const QString& serverName);

private:
    void ReadCommands();
    void Show(const QString& file, std::optional<QSize> outerSize);
    void Report(bool ok);

    QLocalSocket socket_;
    // Made on the first page: the program may start before a preview is asked for, and the
    // web engine then waits until it is needed.
    std::unique_ptr<frmPreview> window_;
    QString file_;
};
