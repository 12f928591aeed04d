// Pinwall-Builder: the entry point. A second copy ends at once; start-up opens the first window.
#include "app/ProgramWindows.h"
#include "common/gui/SingleInstance.h"

#include <QApplication>

#ifndef _WIN32
#include <unistd.h>
#endif

int main(int argc, char** argv)
{
#ifndef _WIN32
    // The embedded browser refuses to start its sandbox for the root user.
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (!AcquireSingleInstanceLock(QStringLiteral("Pinwall-Builder"))) return 0;
    app.setQuitOnLastWindowClosed(false);  // the program ends when the editor or a start-up dialog says so

    ProgramWindows windows;
    windows.StartUp(QCoreApplication::applicationFilePath());
    return app.exec();
}
