// `Pinwall-Builder --generate PAGE` writes what "Speichern / HTML erstellen" writes after a start
// that opened the same page: the same index.html, page file and pictures, byte for byte.
#include "app/ProgramEnd.h"
#include "app/ProgramWindows.h"
#include "common/Ini.h"
#include "editor/MainWindow.h"
#include "output/CommandLine.h"

#include "core/support/ScratchFolder.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

// The sample program folder of the project, with a page that also holds what a user's page
// collects over time: an entry with umlauts, a column beyond the column count, an entry key
// above its column's count.
void PutSampleProgramFolder(const ScratchFolder& dir)
{
    for (const char* folder : {"Back", "Forms", "Banner", "Library", "PnwFiles"})
        std::filesystem::copy(std::filesystem::path(PINWALL_DATA_DIR) / folder, dir.Path(folder),
                              std::filesystem::copy_options::recursive);
    const std::string page = dir.Path("PnwFiles/Beispiel.pnw");
    WriteIni("Spalte3", "Count", "3", page);
    WriteIni("Spalte3", "Eintrag3", "Bücherhallen", page);
    WriteIni("Buecherhallen", "Link", "www.buecherhallen.example", page);
    WriteIni("Spalte3", "Eintrag4", "Vergessen", page);
    WriteIni("Spalte5", "Count", "1", page);
    WriteIni("Spalte5", "Eintrag1", "Duden", page);
    WriteIni("PinwallEdit", "LastEdit", "Beispiel", dir.Path("Pinwall-Builder.ini"));
}

// Every file below the folder with its bytes, by path relative to it.
std::map<std::string, std::string> Files(const ScratchFolder& dir, const std::string& below)
{
    std::map<std::string, std::string> files;
    const std::filesystem::path root = dir.Path(below);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).string()] = dir.Take(below + "/" + entry.path().lexically_relative(root).string());
    return files;
}

} // namespace

TEST(GenerateCommand, WritesTheSameBytesAsTheButtonAfterStartUp)
{
    FakeServices services;
    const auto previousEnd = SetEndProgramHandler([] {});
    ScratchFolder byButton, byCommand;
    PutSampleProgramFolder(byButton);
    PutSampleProgramFolder(byCommand);
    const std::string pageBefore = byButton.Take("PnwFiles/Beispiel.pnw");

    {
        ProgramWindows windows;
        ASSERT_EQ(windows.StartUp(QString::fromStdString(byButton.Path("Pinwall-Builder"))), FirstWindow::Editor);
        windows.Editor().SetPreviewChecked(false);
        windows.GeneratePage();
        QApplication::closeAllWindows();
    }
    SetEndProgramHandler(previousEnd);

    std::ostringstream out, err;
    EXPECT_EQ(RunCommand(ParseCommandLine({"--generate", "Beispiel"}), byCommand.Path("Pinwall-Builder"), out, err), 0);
    EXPECT_EQ(err.str(), "");

    const auto written = Files(byButton, "Pinwall");
    ASSERT_TRUE(written.count("Beispiel/index.html"));
    EXPECT_GE(written.size(), 17u) << "index.html and the sixteen pictures of the sample page";
    EXPECT_EQ(Files(byCommand, "Pinwall"), written);
    EXPECT_EQ(byCommand.Take("PnwFiles/Beispiel.pnw"), byButton.Take("PnwFiles/Beispiel.pnw"));
    EXPECT_NE(byButton.Take("PnwFiles/Beispiel.pnw"), pageBefore) << "the columns were stored";
    EXPECT_EQ(byCommand.Take("Pinwall-Builder.ini"), byButton.Take("Pinwall-Builder.ini"));
}
