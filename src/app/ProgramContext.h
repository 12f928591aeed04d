// The process-wide records of one running Pinwall-Builder, created by start-up and handed to
// every window, so that a test can build a fresh program state in a folder of its own.
#pragma once

#include "common/AppPaths.h"
#include "document/PageFile.h"
#include "editor/EditorSelection.h"

struct ProgramContext {
    AppPaths Paths;
    PageState Page;
    EditorSelection Selection;
    bool NewPageFromEditor = false;  // the new page dialog was opened from the editor's menu
};
