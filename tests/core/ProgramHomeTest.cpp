#include "common/AppPaths.h"
#include "common/Ini.h"
#include "common/ProgramHome.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(ProgramHome, TheDataHomeFollowsXdgDataHomeWhenItIsAbsolute)
{
    EXPECT_EQ(UserDataHome("/data/home", "/home/anna"), "/data/home/");
    EXPECT_EQ(UserDataHome("", "/home/anna"), "/home/anna/.local/share/");
    EXPECT_EQ(UserDataHome("relative/share", "/home/anna"), "/home/anna/.local/share/");
    EXPECT_EQ(UserDataHome("", ""), "");
}

class InstalledProgramTest : public testing::Test {
protected:
    InstalledProgramTest()
    {
        prefix.Put("bin/Pinwall-Builder", "program");
        for (const char* file : {"Back/_back03.gif", "Forms/Wikipedia.form", "Banner/Banners.txt",
                                 "Library/wikipedia.web", "Library/wikipedia.jpg", "PnwFiles/Beispiel.pnw"})
            prefix.Put(std::string("share/pinwall/") + file, std::string("template ") + file);
        home = FindProgramHome(prefix.Path("bin/Pinwall-Builder"), data.Folder());
    }
    std::string Settings() const { return data.Path("Pinwall/Pinwall-Builder.ini"); }

    ScratchFolder prefix;
    ScratchFolder data;
    ProgramHome home;
};

TEST_F(InstalledProgramTest, AProgramWithoutShareBesideItWorksBesideItself)
{
    ScratchFolder portable;
    portable.Put("Pinwall-Builder", "program");
    const ProgramHome beside = FindProgramHome(portable.Path("Pinwall-Builder"), data.Folder());
    EXPECT_FALSE(beside.installed);
    EXPECT_EQ(beside.programFile, portable.Path("Pinwall-Builder"));
    EXPECT_EQ(FindLibraryEditorHome(portable.Path("Pinwall-Builder"), data.Folder()).programFile,
              portable.Path("Pinwall-Builder"));
    EXPECT_TRUE(LayOutProgramFolder(beside));
    EXPECT_FALSE(data.Has("Pinwall"));
    EXPECT_FALSE(portable.Has("Library"));
}

TEST_F(InstalledProgramTest, TheFirstStartLaysOutTheProgramFolderInTheDataHome)
{
    ASSERT_TRUE(home.installed);
    EXPECT_EQ(home.templatesFolder, prefix.Folder() + "share/pinwall/");
    EXPECT_EQ(home.programFile, data.Folder() + "Pinwall/Pinwall-Builder");
    ASSERT_TRUE(LayOutProgramFolder(home));

    AppPaths paths;
    InitAppPaths(paths, home.programFile);
    InitFolders(paths);
    EXPECT_EQ(paths.SettingsFile, Settings());
    EXPECT_EQ(paths.LibraryFolder, data.Folder() + "Pinwall/Library/");
    for (const char* folder : {"Pinwall", "Library", "PnwFiles", "Banner", "Forms", "Back"})
        EXPECT_TRUE(data.Has(std::string("Pinwall/") + folder)) << folder;
    EXPECT_EQ(data.Take("Pinwall/Forms/Wikipedia.form"), "template Forms/Wikipedia.form");
    EXPECT_EQ(data.Take("Pinwall/Library/wikipedia.jpg"), "template Library/wikipedia.jpg");
    EXPECT_EQ(data.Take("Pinwall/PnwFiles/Beispiel.pnw"), "template PnwFiles/Beispiel.pnw");
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", Settings()), "Beispiel");

    // PinEdit, installed beside it, works on the same program folder's library.
    prefix.Put("bin/PinEdit", "program");
    const ProgramHome editor = FindLibraryEditorHome(prefix.Path("bin/PinEdit"), data.Folder());
    EXPECT_TRUE(editor.installed);
    InitAppPaths(paths, editor.programFile);
    EXPECT_EQ(paths.ProgramFolder, data.Folder() + "Pinwall/Library/");
    EXPECT_EQ(editor.programFolder, data.Folder() + "Pinwall/");
}

TEST_F(InstalledProgramTest, LayingOutNeverTouchesTheUsersFilesAndBringsNoDeletedSampleBack)
{
    data.Put("Pinwall/Forms/Wikipedia.form", "mine");
    data.Put("Pinwall/PnwFiles/Beispiel.pnw", "my own page");
    ASSERT_TRUE(LayOutProgramFolder(home));
    EXPECT_EQ(data.Take("Pinwall/Forms/Wikipedia.form"), "mine");
    EXPECT_EQ(data.Take("Pinwall/PnwFiles/Beispiel.pnw"), "my own page");

    // The user deleted a sample entry and a background and chose another page.
    std::filesystem::remove(data.Path("Pinwall/Library/wikipedia.web"));
    std::filesystem::remove(data.Path("Pinwall/Back/_back03.gif"));
    WriteIni("PinwallEdit", "LastEdit", "Reisen", Settings());
    ASSERT_TRUE(LayOutProgramFolder(home));
    EXPECT_FALSE(data.Has("Pinwall/Library/wikipedia.web"));
    EXPECT_EQ(ReadIni("PinwallEdit", "LastEdit", Settings()), "Reisen");
    EXPECT_EQ(data.Take("Pinwall/Back/_back03.gif"), "template Back/_back03.gif") << "templates fill what is missing";
}

TEST_F(InstalledProgramTest, CopiesOfReadOnlyTemplatesCanBeEdited)
{
    const auto template_ = std::filesystem::path(prefix.Path("share/pinwall/Banner/Banners.txt"));
    std::filesystem::permissions(template_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    ASSERT_TRUE(LayOutProgramFolder(home));
    EXPECT_TRUE(WriteIni("Wikipedia", "Link", "https://de.wikipedia.org/", data.Path("Pinwall/Banner/Banners.txt")));
}
