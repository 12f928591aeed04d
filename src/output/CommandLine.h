// The command line of Pinwall-Builder. Without arguments it opens its windows; --help,
// --version, --list, --generate PAGE and --import-bookmarks SOURCE do their work without a window
// or a display, so that a script or a timer can write a page or fill the library.
#pragma once

#include "document/BookmarkImport.h"

#include <iosfwd>
#include <string>
#include <vector>

enum class CommandKind { Windows, Help, Version, List, Generate, ImportBookmarks, Error };

struct Command {
    CommandKind kind = CommandKind::Windows;
    std::string page;   // --generate: the page's name
    std::string source;  // --import-bookmarks: the bookmarks file or profile folder
    bool dryRun = false;  // --import-bookmarks … --dry-run: shows what it would do, writes nothing
    std::string error;  // Error: what is wrong with the arguments
};

// `args` without the program's own name. Arguments that are none of ours are left to the
// window toolkit (-platform, -style ...), except options it does not take either; ours stand alone.
Command ParseCommandLine(const std::vector<std::string>& args);

// Runs a command other than Windows for the program file as start-up takes it (after
// FindProgramHome and LayOutProgramFolder); returns the exit code. `makeLogo` draws the logos of
// imported bookmarks (a gui service); without it they get no logo file.
int RunCommand(const Command& command, const std::string& programFile, std::ostream& out, std::ostream& err,
               const LogoMaker& makeLogo = {});
