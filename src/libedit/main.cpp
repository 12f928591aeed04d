// PinEdit: the entry point. A second copy ends at once; the editor works on the entry files of the
// folder the program lies in, whatever the working folder, or, installed, on the library of the
// program folder in the user's data home.
#include "common/AppPaths.h"
#include "common/ProgramHome.h"
#include "common/SystemFolders.h"
#include "common/ToolkitOptions.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/ProgramIcon.h"
#include "common/gui/SingleInstance.h"
#include "libedit/LibraryEditorWindow.h"
#include "libedit/PinEditTexts.h"

#include <QApplication>

#include <iostream>

namespace {

const char* const kUsage =
    "Aufruf: PinEdit [Option]\n"
    "Ohne Option öffnet PinEdit die Einträge der Bibliothek zum Bearbeiten.\n"
    "\n"
    "  --help            zeigt diese Hilfe\n";

} // namespace

int main(int argc, char** argv)
{
    // Decided before the window toolkit needs a display: a mistyped option opens no window.
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (const std::string unknown = FirstUnknownOption(args); !unknown.empty()) {
        std::cerr << "PinEdit: unbekannte Option " << unknown << "\n" << kUsage;
        return 2;
    }

    QApplication app(argc, argv);
    if (!AcquireSingleInstanceLock(QStringLiteral("PinEdit"))) return 0;
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("pinedit")));
    QApplication::setDesktopFileName(QStringLiteral("io.github.pinwall.PinEdit"));

    const ProgramHome home = FindLibraryEditorHome(QCoreApplication::applicationFilePath().toStdString());
    LayOutProgramFolder(home);
    AppPaths paths;
    InitAppPaths(paths, home.programFile);
    SetPendingEventsHandler([] { QCoreApplication::processEvents(); });
    InitFileHandling(paths);
    SetDefaultTitle(QString::fromUtf8(pinedit::kTitle));

    Form1 editor(paths);
    editor.show();
    return app.exec();
}
