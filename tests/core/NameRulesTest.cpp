#include "common/NameRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct NameCase {
    const char* name;
    const char* stem;
    const char* section;
};

int Filtered(int code, int mode)
{
    FilterKey(code, mode);
    return code;
}

} // namespace

TEST(NameRulesInPlace, ChangeTheCallersTextAndReturnIt)
{
    std::string text = "a b";
    EXPECT_EQ(SpacesToUnderscores(text), "a_b");
    EXPECT_EQ(text, "a_b");

    text = "a b";
    EXPECT_EQ(SpacesToPercent20(text), "a%20b");
    EXPECT_EQ(text, "a%20b");

    text = "a.b";
    EXPECT_EQ(RemovePunctuation(text), "ab");
    EXPECT_EQ(text, "ab");

    text = "Öl";
    EXPECT_EQ(ReplaceUmlauts(text), "OEl");
    EXPECT_EQ(text, "OEl");

    int code = 'b';
    EXPECT_EQ(FilterKey(code, 4), 'B');
    EXPECT_EQ(code, 'B');
}

TEST(SpacesToUnderscores, TouchesOnlyTheSpace)
{
    std::string text = " a\tb  c\n";
    EXPECT_EQ(SpacesToUnderscores(text), "_a\tb__c\n");
}

TEST(SpacesToPercent20, ReplacesEverySpaceWithoutRescanningTheInsertion)
{
    std::string path = "C:\\Program Files\\My Links\\index.html";
    EXPECT_EQ(SpacesToPercent20(path), "C:\\Program%20Files\\My%20Links\\index.html");

    std::string edges = "  a ";
    EXPECT_EQ(SpacesToPercent20(edges), "%20%20a%20");

    // An existing %20 is left as it is, not encoded again.
    std::string encoded = "a%20b c";
    EXPECT_EQ(SpacesToPercent20(encoded), "a%20b%20c");
}

TEST(RemovePunctuation, RemovesRunsOfTheSixCharactersAndNothingElse)
{
    std::string text = "a.b.c";
    EXPECT_EQ(RemovePunctuation(text), "abc");
    text = "Yahoo!...";
    EXPECT_EQ(RemovePunctuation(text), "Yahoo");
    text = "http://x,y'z";
    EXPECT_EQ(RemovePunctuation(text), "httpxyz");
    text = "?&+-();\"@\\ _";
    EXPECT_EQ(RemovePunctuation(text), "?&+-();\"@\\ _");
}

TEST(ReplaceUmlauts, ReplacesEachOfTheSevenCharacters)
{
    std::string text = "Ärger über Öl";
    EXPECT_EQ(ReplaceUmlauts(text), "AErger ueber OEl");
    text = "Straße";
    EXPECT_EQ(ReplaceUmlauts(text), "Strasse");
    text = "äöüÄÖÜß";
    EXPECT_EQ(ReplaceUmlauts(text), "aeoeueAEOEUEss");
}

TEST(ReplaceUmlauts, LeavesOtherAccentedLettersAlone)
{
    // These share the lead byte of the umlauts in UTF-8.
    std::string text = "Café à la Ñandú ÿ";
    EXPECT_EQ(ReplaceUmlauts(text), "Café à la Ñandú ÿ");
}

TEST(LowerCaseCp1252, LowersAsciiLatin1AndTheFourCapitalsOf1252)
{
    EXPECT_EQ(LowerCaseCp1252("ABC xyz 09_"), "abc xyz 09_");
    EXPECT_EQ(LowerCaseCp1252("ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ"), "àáâãäåæçèéêëìíîïðñòóôõö");
    EXPECT_EQ(LowerCaseCp1252("ØÙÚÛÜÝÞ"), "øùúûüýþ");
    EXPECT_EQ(LowerCaseCp1252("ŠŒŽŸ"), "šœžÿ");
}

TEST(LowerCaseCp1252, LeavesEverythingElseAlone)
{
    EXPECT_EQ(LowerCaseCp1252("×ßÿàšœž"), "×ßÿàšœž");
    // Capitals that 1252 cannot hold are not its business.
    EXPECT_EQ(LowerCaseCp1252("ΩŁĞ€"), "ΩŁĞ€");
    // Malformed UTF-8 passes through byte for byte.
    const std::string broken = "A\xC3\xC5\xFF";
    EXPECT_EQ(LowerCaseCp1252(broken), "a\xC3\xC5\xFF");
}

TEST(EntryNames, FollowTheNameTable)
{
    const NameCase cases[] = {
        {"Google", "google", "Google"},
        {"Spiegel Online", "spiegel_online", "Spiegel Online"},
        {"Bücher & Co.", "buecher_&_co", "Buecher & Co."},
        {"web.de", "webde", "web.de"},
        {"Heise: c't", "heise_ct", "Heise: c't"},
        {"Tom's Blog", "toms_blog", "Tom's Blog"},
        {"ÄÖÜ", "aeoeue", "AEOEUE"},
        {"", "", ""},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(EntryFileStem(c.name), c.stem) << c.name;
        EXPECT_EQ(EntrySectionName(c.name), c.section) << c.name;
    }
}

TEST(EntryFileStem, AppliesItsStepsInOrder)
{
    // Lower-casing comes before the umlauts, so capital umlauts end up as lower-case pairs.
    EXPECT_EQ(EntryFileStem("GROSSE ÄRA"), "grosse_aera");
    EXPECT_EQ(EntryFileStem("STRASSE ß"), "strasse_ss");
    // Other accented capitals are only lowered.
    EXPECT_EQ(EntryFileStem("Élan Øst"), "élan_øst");
    // Punctuation goes last: the underscores from spaces stay, the slash does not.
    EXPECT_EQ(EntryFileStem("a / b"), "a__b");
    EXPECT_EQ(EntryFileStem("https://Www.Example.Com/"), "httpswwwexamplecom");
}

TEST(EntryFileStem, LeavesTheNameUntouched)
{
    const std::string name = "Bücher & Co.";
    EXPECT_EQ(EntryFileStem(name), "buecher_&_co");
    EXPECT_EQ(name, "Bücher & Co.");
}

TEST(FilterKey, ControlKeysPassInEveryMode)
{
    for (int mode = 0; mode <= 7; ++mode) {
        for (int code : {kKeyEnter, kKeyCtrlC, kKeyCtrlV, kKeyBackspace})
            EXPECT_EQ(Filtered(code, mode), code) << "mode " << mode << " code " << code;
    }
}

TEST(FilterKey, NameModeDropsWhatCannotStandInAName)
{
    for (char c : std::string("/\\:*<>\"#;=[]^\t%$()"))
        EXPECT_EQ(Filtered(static_cast<unsigned char>(c), 1), 0) << c;

    const std::set<int> keptBelow48 = {' ', '!', '&', '\'', '+', '-'};
    for (int code = 0; code < 48; ++code) {
        if (code == kKeyEnter || code == kKeyCtrlC || code == kKeyCtrlV || code == kKeyBackspace)
            continue;
        const int expected = keptBelow48.count(code) ? code : 0;
        EXPECT_EQ(Filtered(code, 1), expected) << code;
    }
}

TEST(FilterKey, NameModeKeepsLettersDigitsAndTheUpperHalf)
{
    for (char c : std::string("09AZaz?@_`{|}~ !&'+-"))
        EXPECT_EQ(Filtered(static_cast<unsigned char>(c), 1), static_cast<unsigned char>(c)) << c;
    for (int code = 127; code <= 255; ++code)
        EXPECT_EQ(Filtered(code, 1), code) << code;
}

TEST(FilterKey, NumberAndLetterModesKeepOnlyTheirCharacters)
{
    for (char c : std::string("0123456789.,"))
        EXPECT_EQ(Filtered(c, 2), c) << c;
    for (char c : std::string("a-+ eE/"))
        EXPECT_EQ(Filtered(c, 2), 0) << c;
    EXPECT_EQ(Filtered(0xE4, 2), 0); // ä

    for (char c : std::string("AZaz"))
        EXPECT_EQ(Filtered(c, 3), c) << c;
    for (char c : std::string("09 @[`{_"))
        EXPECT_EQ(Filtered(c, 3), 0) << c;
    EXPECT_EQ(Filtered(0xE4, 3), 0);
}

TEST(FilterKey, HexModeRaisesLowerCaseDigitsAndDropsTheRest)
{
    EXPECT_EQ(Filtered('b', 4), 'B');
    EXPECT_EQ(Filtered('a', 4), 'A');
    EXPECT_EQ(Filtered('f', 4), 'F');
    EXPECT_EQ(Filtered('g', 4), 0);
    EXPECT_EQ(Filtered('G', 4), 0);
    EXPECT_EQ(Filtered('@', 4), 0);
    for (char c : std::string("0123456789ABCDEF"))
        EXPECT_EQ(Filtered(c, 4), c) << c;
}

TEST(FilterKey, CaseModesChangeOnlyAsciiLetters)
{
    EXPECT_EQ(Filtered('a', 5), 'A');
    EXPECT_EQ(Filtered('z', 5), 'Z');
    EXPECT_EQ(Filtered('{', 5), '{'); // the code after z
    EXPECT_EQ(Filtered(':', 5), ':');

    EXPECT_EQ(Filtered('A', 6), 'a');
    EXPECT_EQ(Filtered('Z', 6), 'z');
    EXPECT_EQ(Filtered('@', 6), '@'); // the code before A
    EXPECT_EQ(Filtered('[', 6), '[');
}

TEST(FilterKey, UnknownModesLetEveryKeyPass)
{
    EXPECT_EQ(Filtered('/', 0), '/');
    EXPECT_EQ(Filtered('a', 9), 'a');
}

TEST(FilterPastedText, PastedNamesKeepOnlyWhatTypingWouldHaveLet)
{
    EXPECT_EQ(FilterPastedText("[Spiegel] Online/News:\tHeute", 1), "Spiegel OnlineNewsHeute");
    EXPECT_EQ(FilterPastedText("Müller & Söhne's €-Shop+", 1), "Müller & Söhne's €-Shop+");
    EXPECT_EQ(FilterPastedText("日本 x.y", 1), "日本 xy");  // the name check refuses 日本 later
}
