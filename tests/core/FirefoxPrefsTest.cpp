#include "output/FirefoxPrefs.h"

#include <gtest/gtest.h>

TEST(FirefoxPrefsTest, TheLastHomepageLineCountsAndEveryHomepageLineIsReplaced)
{
    const std::string prefs = "user_pref(\"browser.startup.homepage\", \"http://one/\");\r\n"
                              "user_pref(\"browser.startup.homepage_override.mstone\", \"115\");\r\n"
                              "user_pref(\"browser.startup.homepage\",\"\");\r"  // too short to name a page
                              "\n user_pref(\"browser.startup.homepage\", \"http://indented/\");\n"
                              "user_pref(\"browser.startup.homepage\", \"http://two/\");";
    EXPECT_EQ(HomepageInPrefs(prefs), "http://two/");
    EXPECT_EQ(PrefsWithHomepage(prefs, "X"),
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              "user_pref(\"browser.startup.homepage_override.mstone\", \"115\");\r\n"
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              " user_pref(\"browser.startup.homepage\", \"http://indented/\");\r\n"
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n");
    EXPECT_EQ(PrefsWithHomepage("user_pref(\"a\", 1);\n", "X"), std::nullopt);
    EXPECT_EQ(PrefsString("C:\\a \"b\""), "C:\\\\a \\\"b\\\"");
}
