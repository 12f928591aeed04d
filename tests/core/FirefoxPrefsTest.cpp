#include "output/FirefoxPrefs.h"

#include <gtest/gtest.h>

TEST(FirefoxPrefsTest, TheLastLineOfAPreferenceCountsAndEveryLineOfItIsReplacedOrRemoved)
{
    const std::string prefs = "user_pref(\"browser.startup.homepage\", \"http://one/\");\r\n"
                              "user_pref(\"browser.startup.homepage_override.mstone\", \"115\");\r\n"
                              "user_pref(\"browser.startup.homepage\",\"\");\r"  // too short to name a page
                              "\n user_pref(\"browser.startup.homepage\", \"http://indented/\");\n"
                              "user_pref(\"browser.startup.page\", 3);\n"
                              "user_pref(\"browser.startup.homepage\", \"http://two/\");";
    EXPECT_EQ(HomepageInPrefs(prefs), "http://two/");
    EXPECT_EQ(PrefLiteral(prefs, "browser.startup.page"), "3");
    EXPECT_EQ(PrefLiteral(prefs, "browser.startup.homepage"), "\"http://two/\"");
    EXPECT_EQ(PrefLiteral(prefs, "browser.startup"), std::nullopt);
    EXPECT_EQ(PrefsWithSettings(prefs, {{"browser.startup.homepage", "\"X\""}, {"browser.startup.page", std::nullopt},
                                        {"browser.tabs.warnOnClose", "false"}}),
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              "user_pref(\"browser.startup.homepage_override.mstone\", \"115\");\r\n"
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              " user_pref(\"browser.startup.homepage\", \"http://indented/\");\r\n"
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              "user_pref(\"browser.tabs.warnOnClose\", false);\r\n");
    EXPECT_EQ(PrefsString("C:\\a \"b\""), "C:\\\\a \\\"b\\\"");
}

TEST(FirefoxPrefsTest, AUserJsThatSetsTheStartPageOrWhatFirefoxShowsIsSeen)
{
    for (const auto& [text, sets] : std::initializer_list<std::pair<const char*, bool>>{
             {"user_pref(\"browser.startup.homepage\", \"http://x/\");", true},
             {"  user_pref( \"browser.startup.page\" , 1);", true},
             {"user_pref(\"browser.startup.homepage_override.mstone\", \"ignore\");", false},
             {"// user_pref(\"browser.startup.page\", 1);", false},
             {"user_pref(\"browser.startup.pages\", 1);", false}})
        EXPECT_EQ(UserJsSetsStartPage(std::string("user_pref(\"a\", 1);\n") + text), sets) << text;
}
