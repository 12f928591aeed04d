// Pinwall-Builder: the entry point. It decides between the command line (no window, no display)
// and the windows, and where the program keeps its data; a second window copy ends at once.
#include "app/ProgramWindows.h"
#include "common/ProgramHome.h"
#include "common/gui/ProgramIcon.h"
#include "common/gui/SingleInstance.h"
#include "imaging/gui/BookmarkLogo.h"
#include "output/CommandLine.h"

#include <QApplication>
#include <QTimer>

#include <iostream>

namespace {

// The program file as start-up takes it, with an installed program's folder laid out.
std::string PrepareProgramHome()
{
    const ProgramHome home = FindProgramHome(QCoreApplication::applicationFilePath().toStdString());
    LayOutProgramFolder(home);
    return home.programFile;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const Command command = ParseCommandLine(args);
    if (command.kind == CommandKind::ImportBookmarks) {
        // The logos need fonts, not a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return RunCommand(command, PrepareProgramHome(), std::cout, std::cerr, ImportLogoMaker());
    }
    if (command.kind != CommandKind::Windows) {
        // A core application: it needs no display and ignores the window copy's lock.
        QCoreApplication app(argc, argv);
        const bool needsFolders = command.kind == CommandKind::List || command.kind == CommandKind::Generate;
        return RunCommand(command, needsFolders ? PrepareProgramHome() : std::string(), std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    if (!AcquireSingleInstanceLock(QStringLiteral("Pinwall-Builder"))) return 0;
    app.setQuitOnLastWindowClosed(false);  // the program ends when the editor or a start-up dialog says so
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("pinwall-builder")));
    QApplication::setDesktopFileName(QStringLiteral("io.github.pinwall.Builder"));

    ProgramWindows windows;
    windows.StartUp(QString::fromStdString(PrepareProgramHome()));
    // After the first window's events: the start itself does not wait for the preview program.
    QTimer::singleShot(0, &windows, &ProgramWindows::PreparePreview);
    return app.exec();
}
