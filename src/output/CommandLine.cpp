#include "output/CommandLine.h"

#include "common/AppPaths.h"
#include "common/Files.h"
#include "common/ToolkitOptions.h"
#include "document/BookmarkTree.h"
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
    "  --import-bookmarks QUELLE [--dry-run]\n"
    "                    übernimmt die Lesezeichen einer Lesezeichen-Datei (bookmarks.html) oder\n"
    "                    eines Firefox- oder Chromium-Profilordners mit Logos in die Bibliothek;\n"
    "                    mit --dry-run wird nur gezeigt, was geschähe\n"
    "  --version         zeigt die Version\n"
    "  --help            zeigt diese Hilfe\n";

bool IsOurs(const std::string& arg)
{
    return arg == "--help" || arg == "-h" || arg == "--version" || arg == "--list" || arg == "--generate" ||
           arg == "--import-bookmarks" || arg == "--dry-run";
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
    // Asked before the columns are stored into the file, which gives it sections of its own.
    const bool holdsPage = HoldsLinkPage(page.PageFile);
    ColumnLists columns;
    StartPageMarks marks;
    OpenPageAtStartUp(paths, name, page, columns, marks);
    const GenerateResult result = GeneratePage(paths, page, columns);
    if (!result.written) {
        err << "Pinwall-Builder: " << kPageWriteErrorMessage << page.PageFolder << "index.html\n";
        return kExitFailure;
    }
    // Written all the same, as the button writes it; but a script should hear of the empty page.
    if (!holdsPage)
        err << "Pinwall-Builder: Die Seitendatei " << page.PageFile
            << " enthält keine Link-Seite; index.html wurde leer geschrieben.\n";
    return 0;
}

// One line per bookmark in source order, then the counts. Each new entry is written before its
// line is shown, so what the lines say stands in the library even when the run is stopped.
int ImportBookmarks(const AppPaths& paths, const Command& command, const LogoMaker& makeLogo, std::ostream& out,
                    std::ostream& err)
{
    const std::optional<BookmarkSourceKind> kind = DetectBookmarkSource(command.source);
    const std::optional<BookmarkNode> tree = kind ? ReadBookmarks(*kind, command.source) : std::nullopt;
    if (!tree) {
        err << "Die Lesezeichen aus '" << command.source << "' konnten nicht gelesen werden.\n";
        return kExitFailure;
    }
    LibraryIndex library = ReadLibraryIndex(paths.LibraryFolder);
    const std::vector<ImportItem> items = PlanBookmarkImport(*tree, library);
    int failed = 0;
    for (const ImportItem& item : items) {
        if (item.state == ImportState::New && !command.dryRun && !WriteImportedEntry(paths, item, makeLogo)) {
            err << "Pinwall-Builder: Der Eintrag '" << item.name << "' konnte nicht geschrieben werden.\n";
            ++failed;
        }
        out << ImportStateText(item.state) << '\t' << item.name << '\t' << item.link;
        if (!item.reason.empty()) out << '\t' << item.reason;
        out << '\n';
    }
    if (!command.dryRun) FinishImport(paths);
    const ImportCounts counts = CountImport(items);
    out << counts.added - failed << " neu übernommen, " << counts.inLibrary << " schon in der Bibliothek, "
        << counts.duplicate << " doppelt, " << counts.skipped << " übersprungen.\n";
    return failed == 0 ? 0 : kExitFailure;
}

} // namespace

Command ParseCommandLine(const std::vector<std::string>& args)
{
    Command command;
    bool ours = false;
    for (const std::string& arg : args) ours = ours || IsOurs(arg);
    if (!ours) {
        // A mistyped option must not open the windows: a script that calls the program would wait.
        const std::string unknown = FirstUnknownOption(args);
        if (!unknown.empty()) {
            command.kind = CommandKind::Error;
            command.error = "unbekannte Option " + unknown;
        }
        return command;
    }

    const std::string& first = args.front();
    command.kind = CommandKind::Error;
    if (first == "--generate") {
        if (args.size() == 2 && !args[1].empty()) {
            command.kind = CommandKind::Generate;
            command.page = args[1];
        } else {
            const bool named = args.size() >= 2 && !args[1].empty();
            command.error = named ? "zu viele Argumente" : "--generate braucht den Namen einer Seite";
        }
        return command;
    }
    if (first == "--import-bookmarks") {
        const bool dryRun = args.size() == 3 && args[2] == "--dry-run";
        if ((args.size() == 2 || dryRun) && !args[1].empty() && args[1] != "--dry-run") {
            command.kind = CommandKind::ImportBookmarks;
            command.source = args[1];
            command.dryRun = dryRun;
        } else {
            command.error = args.size() < 2 || args[1].empty() || args[1] == "--dry-run"
                                ? "--import-bookmarks braucht eine Lesezeichen-Datei oder einen Profilordner"
                                : "zu viele Argumente";
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

int RunCommand(const Command& command, const std::string& programFile, std::ostream& out, std::ostream& err,
               const LogoMaker& makeLogo)
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
    case CommandKind::ImportBookmarks:
        break;
    }
    AppPaths paths;
    InitAppPaths(paths, programFile);
    InitFolders(paths);
    if (command.kind == CommandKind::Generate) return Generate(paths, command.page, err);
    if (command.kind == CommandKind::ImportBookmarks) return ImportBookmarks(paths, command, makeLogo, out, err);
    for (const std::string& name : SavedPageNames(paths)) out << name << "\n";
    return 0;
}
