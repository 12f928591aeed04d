// A temporary program folder with its paths fixed as start-up fixes them.
#pragma once

#include "common/AppPaths.h"
#include "ScratchFolder.h"

struct ProgramFolder {
    ProgramFolder()
    {
        InitAppPaths(paths, dir.Path("Pinwall-Builder"));
        InitFolders(paths);
    }
    ScratchFolder dir;
    AppPaths paths;
};
