// The preview program's end of the local socket: shows what Pinwall-Builder asks for in the
// preview window and reports each page it finished loading. The program ends when the socket
// closes, so it never outlives the builder.
#pragma once

#include "app/preview/PreviewWindow.h"

#include <QLocalSocket>
#include <QObject>
#include <QString>

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
    frmPreview window_;
    QString file_;
};
