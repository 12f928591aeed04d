#include "common/AppPaths.h"
#include "common/Registry.h"
#include "common/SystemFolders.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { SetRegistryStoreFile(dir.Path("store/registry.ini")); }
    void TearDown() override { SetRegistryStoreFile(""); }
    ScratchFolder dir;
};

TEST_F(RegistryTest, AMissingValueReadsAs256BlanksOrTrimmedAsEmpty)
{
    EXPECT_EQ(RegReadString(RegRoot::CurrentUser, "Software\\X", "Start Page"), std::string(256, ' '));
    EXPECT_EQ(RegReadStringTrimmed(RegRoot::CurrentUser, "Software\\X", "Start Page"), "");
}

TEST_F(RegistryTest, StoresStringsPerRootAndKeyKeepingTheirBlanks)
{
    RegWriteString(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", "  file:///x y  ");
    RegWriteString(RegRoot::LocalMachine, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", "other");
    EXPECT_EQ(RegReadString(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"), "  file:///x y  ");
    EXPECT_EQ(RegReadStringTrimmed(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "start page"), "file:///x y");
    EXPECT_EQ(RegReadString(RegRoot::LocalMachine, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"), "other");
    RegWriteString(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page", "\"quoted\"");
    EXPECT_EQ(RegReadString(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"), "\"quoted\"");
}

TEST_F(RegistryTest, QuickLaunchFolderTakesAppDataFromTheShellFoldersOrTheConfigFolder)
{
    AppPaths paths;
    EXPECT_EQ(QuickLaunchFolder(paths), UserConfigFolder() + "Microsoft/Internet Explorer/Quick Launch/");
    EXPECT_EQ(paths.AppDataFolder, UserConfigFolder());

    RegWriteString(RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   "AppData", "/data/roaming");
    InitFileHandling(paths);
    EXPECT_EQ(paths.AppDataFolder, "/data/roaming/");
}

TEST(SystemFolders, EndInASeparator)
{
    for (const std::string& f : {WindowsFolder(), SystemFolder(), TempFolder(), SpecialFolder(kFolderDesktop),
                                 SpecialFolder(kFolderFonts), UserConfigFolder()}) {
        ASSERT_FALSE(f.empty());
        EXPECT_EQ(f.back(), '/') << f;
    }
    EXPECT_EQ(SpecialFolder(12345), "/");
}
