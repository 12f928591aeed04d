#include "common/gui/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

bool AcquireSingleInstanceLock(const QString& programName)
{
    static std::unique_ptr<QLockFile> lock;
    if (lock && lock->isLocked()) return true;

    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    lock = std::make_unique<QLockFile>(QDir(folder).filePath(programName + "-" + user + ".lock"));
    // tryLock removes a lock whose owning process is gone.
    return lock->tryLock(0);
}
