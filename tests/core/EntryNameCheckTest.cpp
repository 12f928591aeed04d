#include "document/EntryNameCheck.h"

#include <gtest/gtest.h>

TEST(EntryNameCheck, NamesWithoutLetterOrDigitCannotNameFiles)
{
    for (const char* name : {"", "...", "'!", "_", ":/", "!!!", "&&&", "/ : ,"})
        EXPECT_EQ(FindEntryNameProblem(name), EntryNameProblem::NoLetterOrDigit) << name;
    for (const char* name : {"A.B", "42", "Müller's Shop", "Œuvre", "ß", "Bücher & Co.", "€uro 24", "Ærø"})
        EXPECT_EQ(FindEntryNameProblem(name), EntryNameProblem::None) << name;
    EXPECT_FALSE(IsUsableEntryStem(""));
    EXPECT_FALSE(IsUsableEntryStem("a\\b"));  // no separator reaches a path
    EXPECT_TRUE(IsUsableEntryStem("é"));
}

TEST(EntryNameCheck, NamesOutsideTheCodePageOrWithOuterBlanksAreRefused)
{
    for (const char* name : {" Heise", "Heise ", "  ", "Ωmega", "日本", "Emoji 🙂", "Tab\tName"})
        EXPECT_EQ(FindEntryNameProblem(name), EntryNameProblem::NotStorable) << name;
    EXPECT_EQ(FindEntryNameProblem("Sp iegel?"), EntryNameProblem::None);
}
