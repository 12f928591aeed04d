// Pinwall-Builder's side of the preview: the preview program (the web engine in a process of its
// own, so that the builder starts without it) is started on the first preview and told what to
// show through a local socket. It ends when the socket closes, so with the builder.
#pragma once

#include "app/PreviewMessages.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>

#include <optional>

class QLocalServer;
class QLocalSocket;

// The preview program's path: beside the running program.
QString PreviewProgramPath();

class PreviewLink : public QObject {
    Q_OBJECT

public:
    explicit PreviewLink(QString program = PreviewProgramPath());
    ~PreviewLink() override;

    // Shows `file` in the preview window, sized to `outerSize` when given; starts the preview
    // program first when it does not run. False when it cannot be started.
    bool Show(const QString& file, std::optional<QSize> outerSize);

    // Starts the preview program ahead of the first page, so that its start does not fall on the
    // first preview; a program that cannot start is reported at the first page.
    void StartEarly();

    // The preview's last report of a page it finished loading.
    const std::optional<PreviewShown>& LastShown() const { return lastShown_; }
    // Another program for the next start (one that is running is left alone).
    void SetProgram(const QString& program) { program_ = program; }
    qint64 ProcessId() const { return process_ ? process_->processId() : 0; }

signals:
    void shown(const PreviewShown& report);
    // The preview program could not be started or ended before it took the page.
    void failed();

private:
    bool Start();
    void Stop();
    void Connected();
    void ReadReports();
    void Ended();

    QString program_;
    QProcess* process_ = nullptr;
    QLocalServer* server_ = nullptr;
    QPointer<QLocalSocket> socket_;
    QByteArray pending_;  // what was asked before the program connected
    std::optional<PreviewShown> lastShown_;
};
