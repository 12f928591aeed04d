// Pinwall-Preview: the preview window of Pinwall-Builder in a process of its own, so that the
// builder starts without the web engine. Started by the builder with the name of its socket.
#include "app/preview/PreviewService.h"
#include "common/gui/ProgramIcon.h"

#include <QApplication>

#include <iostream>

#ifndef _WIN32
#include <unistd.h>
#endif

int main(int argc, char** argv)
{
    if (argc != 3 || std::string(argv[1]) != "--connect") {
        std::cerr << "Pinwall-Preview: started by Pinwall-Builder only (--connect SOCKET)\n";
        return 2;
    }
#ifndef _WIN32
    // The embedded browser refuses to start its sandbox for the root user.
    if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // closing the preview only hides it
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("pinwall-builder")));
    QApplication::setDesktopFileName(QStringLiteral("pinwall-builder"));

    PreviewService service;
    if (!service.Connect(QString::fromLocal8Bit(argv[2]))) {
        std::cerr << "Pinwall-Preview: Pinwall-Builder's socket is not there\n";
        return 1;
    }
    return app.exec();
}
