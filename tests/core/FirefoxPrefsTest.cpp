#include "output/FirefoxPrefs.h"

#include "common/FileLock.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

TEST(FirefoxPrefsTest, TheLastHomepageLineCountsAndEveryHomepageLineIsReplaced)
{
    const std::string prefs = "user_pref(\"browser.startup.homepage\", \"http://one/\");\r\n"
                              "user_pref(\"browser.startup.homepage_override.mstone\", \"115\");\r\n"
                              "user_pref(\"browser.startup.homepage\",\"\");\r"  // too short to name a page
                              "\nuser_pref(\"browser.startup.homepage\", \"http://two/\");";
    EXPECT_EQ(HomepageInPrefs(prefs), "http://two/");
    EXPECT_EQ(PrefsWithHomepage(prefs, "X"),
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              "user_pref(\"browser.startup.homepage_override.mstone\", \"115\");\r\n"
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n"
              "user_pref(\"browser.startup.homepage\", \"X\");\r\n");
    EXPECT_EQ(PrefsWithHomepage("user_pref(\"a\", 1);\n", "X"), std::nullopt);
    EXPECT_EQ(HomepageInPrefs(" user_pref(\"browser.startup.homepage\", \"http://indented/\");"), "");
    EXPECT_EQ(PrefsString("C:\\a \"b\""), "C:\\\\a \\\"b\\\"");
}

TEST(FirefoxPrefsTest, AProfileIsInUseWhileALockIsHeldOnItsLockFile)
{
    ScratchFolder dir;
    dir.Put("p/prefs.js", "");
    EXPECT_FALSE(FirefoxProfileInUse(dir.Path("p/prefs.js"))) << "no lock file";
    dir.Put("p/.parentlock", "");
    EXPECT_FALSE(FirefoxProfileInUse(dir.Path("p/prefs.js"))) << "a lock file left by an ended Firefox";

    // An open-file-description lock of this very process is seen as well.
    const int fd = ::open(dir.Path("p/.parentlock").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    EXPECT_TRUE(FirefoxProfileInUse(dir.Path("p/prefs.js")));
    EXPECT_TRUE(FileLockedByOther(dir.Path("p/.parentlock"))) << "the check itself leaves the lock in place";
    ::close(fd);
    EXPECT_FALSE(FirefoxProfileInUse(dir.Path("p/prefs.js")));
}
