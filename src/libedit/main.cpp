// PinEdit: the entry point. A second copy ends at once; the editor works on the entry files of the
// folder the program lies in, whatever the working folder.
#include "common/AppPaths.h"
#include "common/SystemFolders.h"
#include "common/gui/DesktopServices.h"
#include "common/gui/SingleInstance.h"
#include "libedit/LibraryEditorWindow.h"
#include "libedit/PinEditTexts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (!AcquireSingleInstanceLock(QStringLiteral("PinEdit"))) return 0;

    AppPaths paths;
    InitAppPaths(paths, QCoreApplication::applicationFilePath().toStdString());
    SetPendingEventsHandler([] { QCoreApplication::processEvents(); });
    InitFileHandling(paths);
    SetDefaultTitle(QString::fromUtf8(pinedit::kTitle));

    Form1 editor(paths);
    editor.show();
    return app.exec();
}
