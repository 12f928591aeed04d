#include "common/Ini.h"
#include "document/StartUp.h"

#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

TEST(AppPaths, FirstRunCreatesTheWorkingFoldersButNotLibraryAndBack)
{
    ProgramFolder program;
    const AppPaths& p = program.paths;
    EXPECT_EQ(p.ProgramFolder, program.dir.Folder());
    EXPECT_EQ(p.ProgramName, "Pinwall-Builder");
    EXPECT_EQ(p.Title, "Kestrel Pinwall-Builder");
    EXPECT_EQ(p.SettingsFile, program.dir.Folder() + "Pinwall-Builder.ini");
    EXPECT_EQ(p.BannersFile, program.dir.Folder() + "Banner/Banners.txt");
    for (const char* made : {"Pinwall", "PnwFiles", "Banner", "Forms"}) EXPECT_TRUE(program.dir.Has(made)) << made;
    for (const char* notMade : {"Library", "Back"}) EXPECT_FALSE(program.dir.Has(notMade)) << notMade;
}

TEST(AppPaths, TheSettingsFileIsNamedAfterTheProgram)
{
    ScratchFolder dir;
    AppPaths paths;
    InitAppPaths(paths, dir.Path("Links"));
    InitFolders(paths);
    EXPECT_EQ(paths.SettingsFile, dir.Folder() + "Links.ini");
    InitAppPaths(paths, dir.Path("Links.exe"));
    EXPECT_EQ(paths.ProgramName, "Links");
    InitAppPaths(paths, dir.Path("Links.EXE"));
    EXPECT_EQ(paths.ProgramName, "Links");
    // Only a real ".exe" ending is replaced.
    InitAppPaths(paths, dir.Path("Links-1.2"));
    InitFolders(paths);
    EXPECT_EQ(paths.SettingsFile, dir.Folder() + "Links-1.2.ini");
    InitAppPaths(paths, dir.Path("Links.exe.bak"));
    InitFolders(paths);
    EXPECT_EQ(paths.SettingsFile, dir.Folder() + "Links.exe.bak.ini");
}

TEST(AppPaths, LeftoverTempFilesAreRemovedFromTheDataFoldersOnly)
{
    ProgramFolder program;
    const std::string stale = ".tmp~2147483000-0";  // a process that no longer runs
    const std::vector<std::string> inData = {"Pinwall-Builder.ini", "PnwFiles/Home.pnw", "Library/Google.web",
                                             "Banner/Banners.txt", "Forms/Web.form", "Back/wall.jpg",
                                             "Pinwall/Home/index.html", "Pinwall/Home/images/logo.jpg"};
    for (const std::string& file : inData) program.dir.Put(file + stale, "x");
    program.dir.Put("Other/keep.txt" + stale, "x");
    program.dir.Put("Library/_temp.jpg", "x");
    program.dir.Put("Library/_temp.bmp", "x");

    RemoveLeftoverTempFiles(program.paths);
    for (const std::string& file : inData) EXPECT_FALSE(program.dir.Has(file + stale)) << file;
    EXPECT_TRUE(program.dir.Has("Other/keep.txt" + stale));
    EXPECT_TRUE(program.dir.Has("Library/_temp.jpg"));
    EXPECT_TRUE(program.dir.Has("Library/_temp.bmp"));
}

class StartUpTest : public testing::Test {
protected:
    StartUpDecision Decide() { return DecideStartUp(program.paths, page, columns, marks); }
    ProgramFolder program;
    PageState page;
    ColumnLists columns;
    StartPageMarks marks;
};

TEST_F(StartUpTest, NoLastPageOpensTheNewPageDialog)
{
    EXPECT_EQ(Decide().window, FirstWindow::NewPageDialog);
}

TEST_F(StartUpTest, AnExistingLastPageOpensTheEditorWithItsFoldersMade)
{
    WriteIni("PinwallEdit", "LastEdit", "Home", program.paths.SettingsFile);
    program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=5\r\n[Spalte1]\r\nCount=1\r\nEintrag1=Google\r\n");
    const StartUpDecision d = Decide();
    EXPECT_EQ(d.window, FirstWindow::Editor);
    EXPECT_TRUE(d.previewChecked);
    EXPECT_EQ(page.Columns, 5);
    EXPECT_EQ(columns[0], std::vector<std::string>{"Google"});
    EXPECT_TRUE(program.dir.Has("Pinwall/Home/images"));
}

TEST_F(StartUpTest, OnlyAPreviewOfExactlyOneKeepsThePreviewOn)
{
    program.dir.Put("PnwFiles/Home.pnw", "[Main]\r\nColumns=3\r\n");
    WriteIni("PinwallEdit", "LastEdit", "Home", program.paths.SettingsFile);
    for (const auto& [value, checked] : {std::pair{"0", false}, {"yes", false}, {"1", true}, {"", true}}) {
        WriteIni("PinwallEdit", "Preview", value, program.paths.SettingsFile);
        EXPECT_EQ(Decide().previewChecked, checked) << value;
    }
}

TEST_F(StartUpTest, AGoneLastPageOpensTheStartWindowAndStillMakesItsFolders)
{
    WriteIni("PinwallEdit", "LastEdit", "Home", program.paths.SettingsFile);
    WriteIni("PinwallEdit", "Preview", "0", program.paths.SettingsFile);
    program.dir.Put("PnwFiles/Work.pnw", "[Main]\r\nColumns=3\r\n");
    program.dir.Put("PnwFiles/Arbeit.pnw", "[Main]\r\nColumns=3\r\n");
    program.dir.Put("PnwFiles/notes.txt", "");
    const StartUpDecision d = Decide();
    EXPECT_EQ(d.window, FirstWindow::StartWindow);
    EXPECT_TRUE(d.previewChecked);  // the setting applies only when the editor opens directly
    EXPECT_TRUE(program.dir.Has("Pinwall/Home/images"));
    EXPECT_EQ(SavedPageNames(program.paths), (std::vector<std::string>{"Arbeit", "Work"}));
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", program.paths.SettingsFile), "Home");  // kept
}

TEST_F(StartUpTest, ALastPageNameThatLeavesThePagesFolderIsNotFollowed)
{
    WriteIni("PinwallEdit", "LastEdit", "../../outside", program.paths.SettingsFile);
    EXPECT_EQ(Decide().window, FirstWindow::StartWindow);
    EXPECT_FALSE(std::filesystem::exists(program.dir.Path("../outside")));
}
