#include "common/FileList.h"
#include "common/Files.h"
#include "common/SystemFolders.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

TEST(Files, ExistenceTestsTellFilesFromFolders)
{
    ScratchFolder dir;
    dir.Put("a.txt", "x");
    std::filesystem::create_directory(dir.Path("empty"));
    EXPECT_TRUE(FileExists(dir.Path("a.txt")));
    EXPECT_FALSE(FileExists(dir.Path("empty")));
    EXPECT_FALSE(FileExists(dir.Path("missing")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(DirExists(dir.Path("empty")));
    EXPECT_TRUE(DirExists(dir.Path("empty") + "/"));
    EXPECT_FALSE(DirExists(dir.Path("a.txt")));
    EXPECT_FALSE(DirExists(""));
}

TEST(Files, MakePathCreatesEveryMissingFolder)
{
    ScratchFolder dir;
    std::filesystem::create_directory(dir.Path("A"));
    std::string path = dir.Path("A/B/C");
    EXPECT_TRUE(MakePath(path));
    EXPECT_EQ(path, dir.Path("A/B/C") + "/");
    EXPECT_TRUE(DirExists(path));
    EXPECT_TRUE(MakePath(path));  // already there

    dir.Put("file", "x");
    std::string blocked = dir.Path("file/sub");
    EXPECT_FALSE(MakePath(blocked));
}

TEST(Files, PathTexts)
{
    std::string p = "/a/b";
    EXPECT_EQ(AddBackslash(p), "/a/b/");
    EXPECT_EQ(AddBackslash(p), "/a/b/");
    std::string empty;
    EXPECT_EQ(AddBackslash(empty), "");

    EXPECT_EQ(ParentFolder("/home/user/Desktop/"), "/home/user/");
    EXPECT_EQ(ParentFolder("/home/user/Desktop"), "/home/user/");
    EXPECT_EQ(ParentFolder("name"), "");

    EXPECT_EQ(CapitalisePathName("c:\\program files\\my links-x(y)_z.EXE"), "C:\\Program Files\\My Links-X(Y)_Z.exe");

    EXPECT_TRUE(IsPlainFileName("_back03.gif"));
    for (const char* bad : {"", ".", "..", "../x.gif", "a/b", "a\\b"}) EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

TEST(Files, ExpandPathNameResolvesExistingPathsAndKeepsOthersAsTyped)
{
    ScratchFolder dir;
    std::filesystem::create_directory(dir.Path("Real"));
    EXPECT_EQ(ExpandPathName(dir.Path("Real/../Real/")), ExpandPathName(dir.Path("Real")) + "/");
    EXPECT_EQ(ExpandPathName(dir.Path("Missing/Pinwall-Builder.exe")), dir.Path("Missing/Pinwall-Builder.exe"));
}

TEST(FileList, MatchesPatternsWithoutRegardToCaseAndSortsFilesOnly)
{
    ScratchFolder dir;
    for (const char* name : {"_wall02.JPG", "_wall01.gif", "_back01.gif", "_Wall03.gif", "notes.txt"}) dir.Put(name, "x");
    std::filesystem::create_directory(dir.Path("_wall99.gif"));  // a folder never shows
    FileList list(dir.Folder(), "_wall*.gif;_wall*.jpg");
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"_wall01.gif", "_wall02.JPG", "_Wall03.gif"}));

    list.SetPattern("*.*");
    EXPECT_EQ(list.Files().size(), 5u);
    dir.Put("new.txt", "x");
    list.Refresh();
    EXPECT_EQ(list.Files().size(), 6u);

    EXPECT_TRUE(MatchesFilePattern("page.pnw", "*.pnw"));
    EXPECT_TRUE(MatchesFilePattern("noext", "*.*"));
    EXPECT_FALSE(MatchesFilePattern("page.pnw.bak", "*.pnw"));
    EXPECT_TRUE(MatchesFilePattern("a1b", "a?b"));
    EXPECT_FALSE(MatchesFilePattern("ab", "a?b"));
}

TEST(FindFiles, VisitsSubFoldersLastToFirstBeforeEachFoldersOwnFiles)
{
    ScratchFolder dir;
    for (const char* name : {"root.web", "a/one.web", "a/deep/two.web", "b/three.web", "b/skip.jpg"}) dir.Put(name, "x");
    std::string folder = dir.Path("");
    folder.pop_back();  // without the final separator: FindFiles adds it
    const std::string base = dir.Folder();
    EXPECT_EQ(FindFiles(folder, "*.web"),
              (std::vector<std::string>{base + "b/three.web", base + "a/deep/two.web", base + "a/one.web", base + "root.web"}));
    EXPECT_EQ(folder, base);

    std::string missing = dir.Path("missing");
    EXPECT_TRUE(FindFiles(missing).empty());
}

TEST(FindFiles, LetsTheUserInterfaceRunOncePerFolder)
{
    ScratchFolder dir;
    dir.Put("a/x", "1");
    dir.Put("b/y", "1");
    int calls = 0;
    SetPendingEventsHandler([&] { ++calls; });
    std::string folder = dir.Folder();
    EXPECT_EQ(FindFiles(folder).size(), 2u);
    SetPendingEventsHandler(nullptr);
    EXPECT_EQ(calls, 3);
}

TEST(Files, RenameNeverReplacesAnotherFile)
{
    ScratchFolder dir;
    dir.Put("alt.jpg", "old logo");
    dir.Put("taken.jpg", "other logo");
    EXPECT_FALSE(RenameFileNoReplace(dir.Path("alt.jpg"), dir.Path("taken.jpg")));
    EXPECT_EQ(dir.Take("alt.jpg"), "old logo");
    EXPECT_EQ(dir.Take("taken.jpg"), "other logo");

    EXPECT_TRUE(RenameFileNoReplace(dir.Path("alt.jpg"), dir.Path("neu.jpg")));
    EXPECT_FALSE(dir.Has("alt.jpg"));
    EXPECT_EQ(dir.Take("neu.jpg"), "old logo");
    EXPECT_FALSE(RenameFileNoReplace(dir.Path("missing.jpg"), dir.Path("x.jpg")));
    EXPECT_FALSE(dir.Has("x.jpg"));
}
