// What start-up opens, decided from the settings file: the editor with the last page, the
// start window when that page's file is gone, or the new page dialog when no page was opened.
#pragma once

#include "document/PageFile.h"

#include <string>
#include <vector>

struct AppPaths;

enum class FirstWindow { Editor, StartWindow, NewPageDialog };

struct StartUpDecision {
    FirstWindow window = FirstWindow::NewPageDialog;
    bool previewChecked = true;  // the editor's preview option; start-up changes it only for the editor
};

// Reads LastEdit; for a page whose file exists, opens it into `page`, `columns` and `marks`
// and reads the preview option. Creates the page's folders whenever LastEdit names a page.
StartUpDecision DecideStartUp(const AppPaths& paths, PageState& page, ColumnLists& columns, StartPageMarks& marks);

// The names of the saved pages: the page files of PnwFiles/ sorted by name, without ".pnw".
std::vector<std::string> SavedPageNames(const AppPaths& paths);
