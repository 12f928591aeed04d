// The command line of Pinwall-Builder. Without arguments it opens its windows; --help,
// --version, --list and --generate PAGE do their work without a window or a display, so that a
// script or a timer can write a page.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

enum class CommandKind { Windows, Help, Version, List, Generate, Error };

struct Command {
    CommandKind kind = CommandKind::Windows;
    std::string page;   // --generate: the page's name
    std::string error;  // Error: what is wrong with the arguments
};

// `args` without the program's own name. Arguments that are none of ours are left to the
// window toolkit (-platform, -style ...); ours stand alone.
Command ParseCommandLine(const std::vector<std::string>& args);

// Runs a command other than Windows for the program file as start-up takes it (after
// FindProgramHome and LayOutProgramFolder); returns the exit code.
int RunCommand(const Command& command, const std::string& programFile, std::ostream& out, std::ostream& err);
