// PinEdit: the entry point. A second copy ends at once; the editor works on the entry files of the
// folder the program lies in, whatever the working folder, or, installed, on the library of the
// program folder in the user's data home.
#include "common/AppPaths.h"
#include "common/ProgramHome.h"
#include "common/SystemFolders.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/ProgramIcon.h"
#include "common/gui/SingleInstance.h"
#include "libedit/LibraryEditorWindow.h"
#include "libedit/PinEditTexts.h"

#include <QApplication>

int main(int argc, char** argv)
{
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
