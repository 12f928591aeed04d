#include "document/StartUp.h"

#include "common/AppPaths.h"
#include "common/FileList.h"
#include "common/Files.h"
#include "common/Ini.h"

StartUpDecision DecideStartUp(const AppPaths& paths, PageState& page, ColumnLists& columns, StartPageMarks& marks)
{
    StartUpDecision decision;
    const std::string lastEdit = ReadIni("PinwallEdit", "LastEdit", paths.SettingsFile, "");
    if (lastEdit.empty()) {
        decision.window = FirstWindow::NewPageDialog;
        return decision;
    }
    // A name that is no plain file name would reach outside the program's folders.
    if (!IsPlainFileName(lastEdit)) {
        decision.window = FirstWindow::StartWindow;
        return decision;
    }

    SetPageNames(paths, lastEdit, page);
    MakePageFolders(page);
    if (!FileExists(page.PageFile)) {
        decision.window = FirstWindow::StartWindow;
        return decision;
    }
    OpenPageAtStartUp(paths, lastEdit, page, columns, marks);
    decision.previewChecked = ReadIni("PinwallEdit", "Preview", paths.SettingsFile, "1") == "1";
    decision.window = FirstWindow::Editor;
    return decision;
}

std::vector<std::string> SavedPageNames(const AppPaths& paths)
{
    std::vector<std::string> names;
    const FileList pageFiles(paths.PageFilesFolder, "*.pnw");
    for (const std::string& file : pageFiles.Files())
        names.push_back(file.substr(0, file.size() - 4));
    return names;
}
