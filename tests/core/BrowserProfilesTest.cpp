#include "common/BrowserProfiles.h"

#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

TEST(BrowserProfilesTest, FirefoxProfilesComeFromEveryRootThenFromProfilesIniEachOnce)
{
    TemporaryHome home;
    const std::string h = home.Folder();
    home.Put(".mozilla/firefox/a1.default-release/prefs.js", "");
    home.Put(".mozilla/firefox/profiles.ini", "[General]\nPath=general\n[Profile1]\nName=Woanders\nIsRelative=0\nPath=" + h +
                                                  "Elsewhere/w.work\n[Profile0]\nName=Alltag\nIsRelative=1\nPath=a1.default-release\n");
    home.Put("Elsewhere/w.work/prefs.js", "");
    home.Put("general/prefs.js", "");
    // $XDG_CONFIG_HOME stands in place of ~/.config.
    home.Put("cfg/mozilla/firefox/x9.default-release/prefs.js", "");
    home.Put(".config/mozilla/firefox/ignored.default/prefs.js", "");
    home.Put("cfg/mozilla/firefox/profiles.ini", "[Profile0]\nName=Kaputt\nPath=missing\n[Profile1]\nName=Rel\nPath=../../../Rel/r.x\n");
    home.Put("Rel/r.x/prefs.js", "");
    home.Put("snap/firefox/common/.config/mozilla/firefox/s.snap/prefs.js", "");
    home.Put(".var/app/org.mozilla.firefox/config/mozilla/firefox/f.flat/prefs.js", "");
    home.Put(".var/app/org.mozilla.firefox/.config/mozilla/firefox/g.flat2/prefs.js", "");
    home.Put(".var/app/org.mozilla.firefox/.config/mozilla/firefox/nothing.yet/times.json", "");

    std::vector<std::pair<std::string, std::string>> found;
    for (const BrowserProfile& profile : ListBrowserProfiles({h, h + "cfg/", ""})) {
        EXPECT_EQ(profile.browser, BrowserKind::Firefox);
        found.emplace_back(profile.displayName, profile.folder);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Firefox – Alltag", h + ".mozilla/firefox/a1.default-release/"},
        {"Firefox – default-release", h + "cfg/mozilla/firefox/x9.default-release/"},
        {"Firefox – snap", h + "snap/firefox/common/.config/mozilla/firefox/s.snap/"},
        {"Firefox – flat", h + ".var/app/org.mozilla.firefox/config/mozilla/firefox/f.flat/"},
        {"Firefox – flat2", h + ".var/app/org.mozilla.firefox/.config/mozilla/firefox/g.flat2/"},
        {"Firefox – Woanders", h + "Elsewhere/w.work/"},
        {"Firefox – Rel", h + "cfg/mozilla/firefox/../../../Rel/r.x/"},
    };
    EXPECT_EQ(found, expected);
}
