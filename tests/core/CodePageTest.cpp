#include "common/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, RoundTripsEveryDefinedByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, MapsGermanLettersAndTheEuroSign)
{
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF\x80"), "äöüß€");
    EXPECT_EQ(Utf8ToCp1252("Grüße €"), "Gr\xFC\xDF" "e \x80");
}

TEST(CodePage, WritesUnencodableCharactersAsQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x86\x92" "b"), "a?b");        // → arrow
    EXPECT_EQ(Utf8ToCp1252("x\xF0\x9F\x98\x80y"), "x?y");       // emoji, four bytes
    EXPECT_EQ(Utf8ToCp1252("\xC3" "A"), "?A");                   // broken sequence keeps the next letter
    EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
}

TEST(CodePage, FitsOnlyTextThatComesBackUnchanged)
{
    EXPECT_TRUE(FitsCp1252(""));
    EXPECT_TRUE(FitsCp1252("Café 2€ Müller"));
    EXPECT_FALSE(FitsCp1252("a\xE2\x86\x92" "b"));  // → arrow
    EXPECT_FALSE(FitsCp1252("a?\xC3"));              // broken sequence
    EXPECT_FALSE(FitsCp1252("\xC5\x81odz"));         // Ł, outside 1252
}
