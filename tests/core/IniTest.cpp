#include "common/Ini.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <vector>

class IniTest : public testing::Test {
protected:
    ScratchFolder dir;
    std::string file = dir.Path("test.ini");
};

// ---- reading ------------------------------------------------------------------------------

TEST_F(IniTest, ReadsValuesTrimmedAndWithoutOuterQuotes)
{
    dir.Put("test.ini", "[Main]\r\n  Columns =  7  \r\nA=\"quoted\"\nB='single'\rC=\"mixed'\nD=\"\nE=x=y\n");
    EXPECT_EQ(ReadIni("Main", "Columns", file), "7");
    EXPECT_EQ(ReadIni("Main", "A", file), "quoted");
    EXPECT_EQ(ReadIni("Main", "B", file), "single");
    EXPECT_EQ(ReadIni("Main", "C", file), "\"mixed'");
    EXPECT_EQ(ReadIni("Main", "D", file), "\"");
    EXPECT_EQ(ReadIni("Main", "E", file), "x=y");
}

TEST_F(IniTest, MissingOrEmptyValuesReadAsTheDefault)
{
    dir.Put("test.ini", "Before=1\n[Main]\nEmpty=\nBare\n; Hidden=1\n[Other]\nKey=2\n");
    EXPECT_EQ(ReadIni("Main", "Empty", file, "def"), "def");
    EXPECT_EQ(ReadIni("Main", "Bare", file, "def"), "def");
    EXPECT_EQ(ReadIni("Main", "; Hidden", file, "def"), "def");
    EXPECT_EQ(ReadIni("Main", "Missing", file, "def"), "def");
    EXPECT_EQ(ReadIni("Nowhere", "Key", file, "def"), "def");
    EXPECT_EQ(ReadIni("", "Before", file, "def"), "def");  // lines before the first section are never found
    EXPECT_EQ(ReadIni("Main", "Key", dir.Path("missing.ini"), "def"), "def");
}

TEST_F(IniTest, MatchesNamesWithoutRegardToCaseAndTakesTheFirstOfAName)
{
    dir.Put("test.ini", "[ Spalte1 ] trailing text\nCount=1\ncount=2\n[SPALTE1]\nCount=3\nOnlyLater=4\n");
    EXPECT_EQ(ReadIni("spalte1", "COUNT", file), "1");
    EXPECT_EQ(ReadIni("Spalte1", "OnlyLater", file, "none"), "none");
}

TEST_F(IniTest, SpacesAroundTheNamesACallerPassesAreDroppedButNotTabs)
{
    dir.Put("test.ini", "[S]\r\nk=v\r\n=anon\r\n");
    EXPECT_EQ(ReadIni(" S ", " k ", file), "v");
    EXPECT_EQ(ReadIni("S", " ", file), "anon");
    EXPECT_EQ(ReadIni("S\t", "k", file, "def"), "def");
    EXPECT_EQ(ReadIni("S", "\tk", file, "def"), "def");

    EXPECT_TRUE(WriteIni("   sec   ", "  key  ", "1", file));
    EXPECT_EQ(ReadIni("   sec   ", "  key  ", file), "1");
    EXPECT_TRUE(WriteIniKeys({{" sec", "key ", "2"}, {"sec ", " two", "3"}}, file));
    EXPECT_EQ(dir.Take("test.ini"), "[S]\r\nk=v\r\n=anon\r\n[sec]\r\nkey=2\r\ntwo=3\r\n");
}

TEST_F(IniTest, FoldsAccentedLettersAndConvertsTheCodePage)
{
    dir.Put("test.ini", "[Gr\xDC\xDF" "E]\nInfo=B\xFC" "cher \x80\n");
    EXPECT_EQ(ReadIni("grüße", "info", file), "Bücher €");
}

TEST_F(IniTest, CutsLongValuesTo2047Characters)
{
    dir.Put("test.ini", "[S]\nK=" + std::string(3000, 'x') + "\n");
    EXPECT_EQ(ReadIni("S", "K", file), std::string(2047, 'x'));
}

TEST_F(IniTest, SeesChangesMadeByOtherProgramsBetweenReads)
{
    dir.Put("test.ini", "[S]\nK=1\n");
    EXPECT_EQ(ReadIni("S", "K", file), "1");
    dir.Put("test.ini", "[S]\nK=22\n");  // other size
    EXPECT_EQ(ReadIni("S", "K", file), "22");
    dir.Put("test.ini", "[S]\nK=33\n");  // same size, later time
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
    EXPECT_EQ(ReadIni("S", "K", file), "33");
    std::filesystem::remove(file);
    EXPECT_EQ(ReadIni("S", "K", file, "gone"), "gone");
}

// ---- writing ------------------------------------------------------------------------------

TEST_F(IniTest, CreatesAMissingFileWithExactlyOneSectionAndKey)
{
    EXPECT_TRUE(WriteIni("Main", "Columns", "3", file));
    EXPECT_EQ(dir.Take("test.ini"), "[Main]\r\nColumns=3\r\n");
}

TEST_F(IniTest, ReplacesAValueInsideItsLineAndKeepsEveryOtherByte)
{
    dir.Put("test.ini", "; head\n[main]\n  columns = 4  \nOther=x\n\n[Next]\nA=1");
    WriteIni("Main", "Columns", "5", file);
    EXPECT_EQ(dir.Take("test.ini"), "; head\n[main]\n  columns = 5\r\nOther=x\n\n[Next]\nA=1");
    EXPECT_EQ(ReadIni("Main", "Columns", file), "5");

    WriteIni("Next", "a", "2", file);  // last line without a line end gets one
    EXPECT_EQ(dir.Take("test.ini"), "; head\n[main]\n  columns = 5\r\nOther=x\n\n[Next]\nA=2\r\n");
}

TEST_F(IniTest, FillsTheValueIntoAKeyLineWithoutEquals)
{
    dir.Put("test.ini", "[S]\r\n  flag  \r\n");
    WriteIni("S", "FLAG", "1", file);
    EXPECT_EQ(dir.Take("test.ini"), "[S]\r\n  flag=1\r\n");
}

TEST_F(IniTest, AddsANewKeyAfterTheLastKeyLineOfItsSection)
{
    dir.Put("test.ini", "[A]\nOne=1\n\n; note\n[B]\nX=1\n");
    WriteIni("A", "Two", "2", file);
    EXPECT_EQ(dir.Take("test.ini"), "[A]\nOne=1\nTwo=2\r\n\n; note\n[B]\nX=1\n");

    dir.Put("test.ini", "[Empty]\n\n[B]\n");
    WriteIni("empty", "K", "v", file);
    EXPECT_EQ(dir.Take("test.ini"), "[Empty]\nK=v\r\n\n[B]\n");

    dir.Put("test.ini", "[Last]");
    WriteIni("Last", "K", "v", file);
    EXPECT_EQ(dir.Take("test.ini"), "[Last]\r\nK=v\r\n");
}

TEST_F(IniTest, AppendsANewSectionAtTheEndWithoutABlankLine)
{
    dir.Put("test.ini", "[A]\nOne=1");
    WriteIni(" B ", " Key ", "  value with blanks", file);
    EXPECT_EQ(dir.Take("test.ini"), "[A]\nOne=1\r\n[B]\r\nKey=  value with blanks\r\n");
}

TEST_F(IniTest, WritesOnlyIntoTheFirstSectionOfAName)
{
    dir.Put("test.ini", "[S]\r\nA=1\r\n[S]\r\nB=2\r\n");
    WriteIni("S", "B", "3", file);
    EXPECT_EQ(dir.Take("test.ini"), "[S]\r\nA=1\r\nB=3\r\n[S]\r\nB=2\r\n");
    EXPECT_EQ(ReadIni("S", "B", file), "3");
}

TEST_F(IniTest, WritesTheCodePageAndReplacesWhatItCannotHold)
{
    WriteIni("Grüße", "Info", "Bücher → €", file);
    EXPECT_EQ(dir.Take("test.ini"), "[Gr\xFC\xDF" "e]\r\nInfo=B\xFC" "cher ? \x80\r\n");
}

TEST_F(IniTest, KeepsAValueOnOneLine)
{
    WriteIni("S", "K", "a\r\n[Main]\nColumns=6", file);
    EXPECT_EQ(ReadIni("Main", "Columns", file, "none"), "none");
    EXPECT_EQ(ReadIni("S", "K", file), "a  [Main] Columns=6");
}

TEST_F(IniTest, AnEmptyValueIsWrittenAndReadsAsTheDefault)
{
    WriteIni("S", "K", "1", file);
    WriteIni("S", "K", "", file);
    EXPECT_EQ(dir.Take("test.ini"), "[S]\r\nK=\r\n");
    EXPECT_EQ(ReadIni("S", "K", file, "d"), "d");
}

TEST_F(IniTest, AReadAfterAWriteSeesTheWrite)
{
    for (int i = 0; i < 20; ++i) {
        WriteIni("S", "K", std::to_string(i), file);
        ASSERT_EQ(ReadIni("S", "K", file), std::to_string(i));
    }
}

TEST_F(IniTest, AFailedWriteLeavesNoTraceAndReportsFalse)
{
    EXPECT_FALSE(WriteIni("S", "K", "v", dir.Path("no/such/folder/x.ini")));
    std::filesystem::create_directory(dir.Path("adir.ini"));
    EXPECT_FALSE(WriteIni("S", "K", "v", dir.Path("adir.ini")));
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Folder())) ++entries;
    EXPECT_EQ(entries, 1);  // only the folder made above
}

// The batch write must give the very bytes of one WriteIni after the other, over files of every
// shape: duplicate and case-variant sections and keys, keys without "=", comments, lines before
// the first section, mixed line ends, a last line without one.
TEST_F(IniTest, ABatchWriteEqualsOneWriteAfterTheOther)
{
    std::mt19937 random(3);  // seeded: a failure can be run again
    auto pick = [&](std::initializer_list<const char*> choices) {
        return std::string(choices.begin()[random() % choices.size()]);
    };
    const std::string batchFile = dir.Path("batch.ini");
    for (int round = 0; round < 150; ++round) {
        std::string text;
        const int lines = static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i) {
            switch (random() % 6) {
            case 0: text.append("[").append(pick({"A", "a", " B ", "A"})).append("]"); break;
            case 1: text += pick({"", " ", "; x=1"}); break;
            case 2: text += pick({"k", "K", "j", " k "}); break;
            default: text += pick({"k", "K", "j", "m", "n"}) + "=" + pick({"", "1", " 2 ", "\"3\""}); break;
            }
            if (i + 1 < lines || random() % 3 == 0) text += pick({"\r\n", "\n", "\r"});
        }
        // Runs of keys of one section, as the column store writes them.
        std::vector<IniKeyValue> keys;
        for (int run = 1 + static_cast<int>(random() % 3); run > 0; --run) {
            const std::string section = pick({"A", "a", "B", "C"});
            for (int key = 1 + static_cast<int>(random() % 3); key > 0; --key)
                keys.push_back({section, pick({"k", "K", "j", "m", "n"}), pick({"1", "22", ""})});
        }

        dir.Put("test.ini", text);
        dir.Put("batch.ini", text);
        for (const IniKeyValue& kv : keys) ASSERT_TRUE(WriteIni(kv.section, kv.key, kv.value, file));
        ASSERT_TRUE(WriteIniKeys(keys, batchFile));
        ASSERT_EQ(dir.Take("batch.ini"), dir.Take("test.ini")) << "round " << round << " file:\n" << text;
    }
}

// ---- deleting a section -------------------------------------------------------------------

TEST_F(IniTest, DeletesOnlyTheNamedSectionAndRemovesItsWorkFile)
{
    dir.Put("test.ini", "[Spalte1]\r\nCount=1\r\n[Spalte10]\r\nCount=10\r\n[Spalte2]\r\nCount=2\r\n[Spalte1]\r\nX=1\r\n");
    DeleteIniSection("Spalte1", file);
    EXPECT_EQ(dir.Take("test.ini"), "[Spalte10]\r\nCount=10\r\n[Spalte2]\r\nCount=2\r\n");
    EXPECT_FALSE(dir.Has("test.in_"));
    EXPECT_EQ(ReadIni("Spalte1", "Count", file, "gone"), "gone");
}

TEST_F(IniTest, DeleteComparesTheHeaderWithCaseAndKeepsOtherSections)
{
    dir.Put("test.ini", "[Preset]\nA=1\n[Presets]\nB=2\n[preset]\nC=3");
    DeleteIniSection("[Preset]", file);
    EXPECT_EQ(dir.Take("test.ini"), "[Presets]\r\nB=2\r\n[preset]\r\nC=3\r\n");
    DeleteIniSection("Missing", dir.Path("missing.ini"));
    EXPECT_FALSE(dir.Has("missing.ini"));
}

TEST_F(IniTest, WritingWhatTheFileHoldsLeavesItUntouched)
{
    dir.Put("test.ini", "[S]\r\nK=1\r\n");
    const auto before = std::filesystem::last_write_time(file) - std::chrono::seconds(5);
    std::filesystem::last_write_time(file, before);
    EXPECT_TRUE(WriteIniKeys({{"S", "K", "1"}}, file));
    EXPECT_EQ(std::filesystem::last_write_time(file), before);
    EXPECT_TRUE(WriteIni("S", "K", "2", file));
    EXPECT_NE(std::filesystem::last_write_time(file), before);
}
