#include "document/LibraryEdit.h"

#include <gtest/gtest.h>

TEST(ReplaceText, ScansThePositionsOfTheOriginalLength)
{
    EXPECT_EQ(ReplaceText("Web_Seite_neu", "_", " "), "Web Seite neu");
    EXPECT_EQ(ReplaceText("a_b", "", " "), "a_b");
    EXPECT_EQ(ReplaceText("a_b", "_", ""), "a_b");
    EXPECT_EQ(ReplaceText("a_b", "_", "_"), "a_b");
    // The scan goes on at the next position, inside what it just put in.
    EXPECT_EQ(ReplaceText("ab", "a", "ba"), "bbab");
    // ... but no further than the text's length at the start, counted in characters.
    EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceText("ü_ü_", "_", "-"), "ü-ü-");
}

TEST(CapitaliseWords, UpperCasesWordStartsOnly)
{
    std::string text = "mein-link (neu)";
    EXPECT_EQ(CapitaliseWords(text), "Mein-Link (Neu)");
    EXPECT_EQ(text, "Mein-Link (Neu)");
    text = "ABC dEF";
    EXPECT_EQ(CapitaliseWords(text), "ABC DEF");
    text = "über_öl\\äpfel.birnen ßtraße ÿ";
    EXPECT_EQ(CapitaliseWords(text), "Über_Öl\\Äpfel.birnen ßtraße Ÿ");
}

// "A.B" and "Web_Seite.web" are met in the editor window's tests.
TEST(LibraryEditNames, TypedLogoNameKeepsPunctuationAndTheFileNameGivesTheDisplayName)
{
    EXPECT_EQ(TypedLogoName("Müller's Shop"), "mueller's_shop.jpg");
    EXPECT_EQ(EntryNameFromFileName("mein-link_(neu).web"), "Mein-Link (Neu)");
}
