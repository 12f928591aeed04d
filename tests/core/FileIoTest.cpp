#include "common/FileIo.h"
#include "common/Ini.h"
#include "common/PlatformFiles.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

int EntriesIn(const std::string& folder)
{
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(folder)) ++entries;
    return entries;
}

} // namespace

// Tests and CI run as root, for whom the access check allows every write: the permission bits
// decide as well.
TEST(FileIo, AReadOnlyFileIsNeitherReplacedNorChanged)
{
    ScratchFolder dir;
    const std::string file = dir.Path("page.pnw");
    dir.Put("page.pnw", "[Main]\r\nColumns=3\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    EXPECT_FALSE(WriteIni("Main", "Columns", "4", file));
    EXPECT_FALSE(WriteIniKeys({{"Spalte1", "Count", "1"}, {"Spalte1", "Eintrag1", "A"}}, file));
    EXPECT_FALSE(WriteFileAtomically(file, "x"));
    DeleteIniSection("Main", file);
    EXPECT_EQ(dir.Take("page.pnw"), "[Main]\r\nColumns=3\r\n");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(EntriesIn(dir.Folder()), 1);

    // Any one write bit makes it writable again.
    fs::permissions(file, fs::perms::group_write, fs::perm_options::add);
    EXPECT_TRUE(WriteIni("Main", "Columns", "4", file));
    EXPECT_EQ(ReadIni("Main", "Columns", file), "4");
}

TEST(FileIo, AWritableFileInAFolderThatIsNotWritableIsWrittenInPlace)
{
    ScratchFolder dir;
    dir.Put("locked/settings.ini", "[PinwallEdit]\r\nLastEdit=Home\r\n");
    const std::string folder = dir.Path("locked");
    const std::string file = dir.Path("locked/settings.ini");
    // A second name of the same file shows whether it was written in place or replaced.
    fs::create_hard_link(file, dir.Path("alias.ini"));
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    EXPECT_TRUE(WriteIni("PinwallEdit", "LastEdit", "Work", file));
    EXPECT_FALSE(WriteIni("S", "K", "v", dir.Path("locked/new.ini")));  // nothing new can be made there
    const int entries = EntriesIn(folder);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);

    EXPECT_EQ(dir.Take("locked/settings.ini"), "[PinwallEdit]\r\nLastEdit=Work\r\n");
    EXPECT_EQ(dir.Take("alias.ini"), "[PinwallEdit]\r\nLastEdit=Work\r\n");
    EXPECT_EQ(entries, 1);
}

TEST(FileIo, ASymbolicLinkIsWrittenThroughAndStaysALink)
{
    ScratchFolder dir;
    dir.Put("real/Home.pnw", "[Main]\r\nColumns=3\r\n");
    fs::create_directory(dir.Path("PnwFiles"));
    fs::create_symlink("../real/Home.pnw", dir.Path("PnwFiles/Home.pnw"));

    EXPECT_TRUE(WriteIni("Main", "Columns", "5", dir.Path("PnwFiles/Home.pnw")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.Path("PnwFiles/Home.pnw"))));
    EXPECT_EQ(dir.Take("real/Home.pnw"), "[Main]\r\nColumns=5\r\n");
    EXPECT_EQ(EntriesIn(dir.Path("PnwFiles")), 1);
    EXPECT_EQ(EntriesIn(dir.Path("real")), 1);

    // A dangling link: the file it names is made.
    fs::create_symlink("../real/New.pnw", dir.Path("PnwFiles/New.pnw"));
    EXPECT_TRUE(WriteIni("Main", "Columns", "3", dir.Path("PnwFiles/New.pnw")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.Path("PnwFiles/New.pnw"))));
    EXPECT_EQ(dir.Take("real/New.pnw"), "[Main]\r\nColumns=3\r\n");
}

TEST(FileIo, TemporaryFilesOfProcessesThatAreGoneAreRemoved)
{
    EXPECT_EQ(TempFileProcess("Home.pnw.tmp~1234-0"), 1234);
    EXPECT_EQ(TempFileProcess("Pinwall-Builder.ini.tmp~77-12"), 77);
    for (const char* other : {"Home.pnw", "_temp.jpg", "_temp.bmp", ".tmp~12-0", "a.tmp~-1", "a.tmp~12-",
                              "a.tmp~12", "a.tmp~1x-2", "a.tmp~0-1", "a.tmp~12-3.bak", "a.tmp~99999999999999999999-1"})
        EXPECT_FALSE(TempFileProcess(other)) << other;

    ScratchFolder dir;
    constexpr long kGone = 2147483000;  // above every process id the system hands out
    ASSERT_FALSE(ProcessIsRunning(kGone));
    const std::string own = std::to_string(CurrentProcessId());
    for (const std::string& name : std::vector<std::string>{"a.ini.tmp~" + std::to_string(kGone) + "-0", "Home.pnw.tmp~" + own + "-3",
                                   "b.web.tmp~1-0", "_temp.jpg", "_temp.bmp", "x.web", "a.ini.tmp~1x-0"})
        dir.Put(name, "x");
    dir.Put("sub.tmp~" + std::to_string(kGone) + "-1/inner.tmp~" + std::to_string(kGone) + "-2", "x");

    RemoveStaleTempFiles(dir.Folder());
    EXPECT_FALSE(dir.Has("a.ini.tmp~" + std::to_string(kGone) + "-0"));
    EXPECT_TRUE(dir.Has("Home.pnw.tmp~" + own + "-3"));  // this process may be writing it
    EXPECT_TRUE(dir.Has("b.web.tmp~1-0"));               // process 1 always runs
    for (const char* kept : {"_temp.jpg", "_temp.bmp", "x.web", "a.ini.tmp~1x-0"}) EXPECT_TRUE(dir.Has(kept)) << kept;
    EXPECT_TRUE(dir.Has("sub.tmp~" + std::to_string(kGone) + "-1/inner.tmp~" + std::to_string(kGone) + "-2"));
}

// The logo encoder relies on this: a file that appears between its check and its write is kept.
TEST(FileIo, CreatingANewFileNeverOverwritesAnything)
{
    ScratchFolder dir;
    dir.Put("logo.jpg", "keep");
    fs::create_symlink(dir.Path("nowhere.jpg"), dir.Path("link.jpg"));
    EXPECT_EQ(WriteFileToDisk(dir.Path("logo.jpg"), "new", FileOpenMode::CreateNew), FileWriteStatus::AlreadyExists);
    EXPECT_EQ(WriteFileToDisk(dir.Path("link.jpg"), "new", FileOpenMode::CreateNew), FileWriteStatus::AlreadyExists);
    EXPECT_EQ(dir.Take("logo.jpg"), "keep");
    EXPECT_FALSE(dir.Has("nowhere.jpg"));

    EXPECT_EQ(WriteFileToDisk(dir.Path("fresh.jpg"), "new", FileOpenMode::CreateNew), FileWriteStatus::Written);
    EXPECT_EQ(dir.Take("fresh.jpg"), "new");
    EXPECT_EQ(WriteFileToDisk(dir.Path("missing.jpg"), "x", FileOpenMode::ReplaceContent), FileWriteStatus::OpenFailed);
    EXPECT_FALSE(dir.Has("missing.jpg"));
    // A full disk is a failed write, not a written file.
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(WriteFileToDisk("/dev/full", "x", FileOpenMode::ReplaceContent), FileWriteStatus::WriteFailed);
    }
}
