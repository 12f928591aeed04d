#include "output/CommandLine.h"

#include "common/AppPaths.h"
#include "common/Files.h"
#include "document/PageFile.h"
#include "document/StartUp.h"
#include "output/PageGenerator.h"

#include <ostream>

namespace {

// Set by the build from the project's version.
constexpr const char* kPinwallVersion = PINWALL_VERSION;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const char* const kHelp =
    "Aufruf: Pinwall-Builder [Option]\n"
    "Ohne Option öffnet Pinwall-Builder die zuletzt bearbeitete Link-Seite.\n"
    "\n"
    "  --generate SEITE  schreibt index.html der gespeicherten Seite SEITE mit ihren Bildern,\n"
    "                    wie \"Speichern / HTML erstellen\", ohne Fenster\n"
    "  --list            zeigt die gespeicherten Link-Seiten, eine je Zeile\n"
    "  --version         zeigt die Version\n"
    "  --help            zeigt diese Hilfe\n";

bool IsOurs(const std::string& arg)
{
    return arg == "--help" || arg == "-h" || arg == "--version" || arg == "--list" || arg == "--generate";
}

// The page opened as start-up opens the last edited page, its columns stored as they are and
// its page written as the button writes it after such a start.
int Generate(const AppPaths& paths, const std::string& name, std::ostream& err)
{
    PageState page;
    if (IsPlainFileName(name)) SetPageNames(paths, name, page);
    if (page.PageFile.empty() || !FileExists(page.PageFile)) {
        err << "Pinwall-Builder: Die Link-Seite \"" << name << "\" gibt es nicht.\n";
        return kExitFailure;
    }
    ColumnLists columns;
    StartPageMarks marks;
    OpenPageAtStartUp(paths, name, page, columns, marks);
    const GenerateResult result = GeneratePage(paths, page, columns);
    if (!result.written) {
        err << "Pinwall-Builder: " << kPageWriteErrorMessage << page.PageFolder << "index.html\n";
        return kExitFailure;
    }
    return 0;
}

} // namespace

Command ParseCommandLine(const std::vector<std::string>& args)
{
    Command command;
    bool ours = false;
    for (const std::string& arg : args) ours = ours || IsOurs(arg);
    if (!ours) return command;

    const std::string& first = args.front();
    command.kind = CommandKind::Error;
    if (first == "--generate") {
        if (args.size() == 2 && !args[1].empty()) {
            command.kind = CommandKind::Generate;
            command.page = args[1];
        } else {
            command.error = args.size() < 2 ? "--generate braucht den Namen einer Seite" : "zu viele Argumente";
        }
        return command;
    }
    if (args.size() != 1) {
        command.error = IsOurs(first) ? "zu viele Argumente" : "unbekannte Option " + first;
        return command;
    }
    if (first == "--help" || first == "-h") command.kind = CommandKind::Help;
    else if (first == "--version") command.kind = CommandKind::Version;
    else if (first == "--list") command.kind = CommandKind::List;
    return command;
}

int RunCommand(const Command& command, const std::string& programFile, std::ostream& out, std::ostream& err)
{
    switch (command.kind) {
    case CommandKind::Windows:
        return kExitUsage;
    case CommandKind::Error:
        err << "Pinwall-Builder: " << command.error << "\n" << kHelp;
        return kExitUsage;
    case CommandKind::Help:
        out << kHelp;
        return 0;
    case CommandKind::Version:
        out << "Pinwall-Builder " << kPinwallVersion << "\n";
        return 0;
    case CommandKind::List:
    case CommandKind::Generate:
        break;
    }
    AppPaths paths;
    InitAppPaths(paths, programFile);
    InitFolders(paths);
    if (command.kind == CommandKind::Generate) return Generate(paths, command.page, err);
    for (const std::string& name : SavedPageNames(paths)) out << name << "\n";
    return 0;
}
