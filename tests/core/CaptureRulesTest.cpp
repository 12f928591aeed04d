#include "imaging/CaptureRules.h"

#include <gtest/gtest.h>

TEST(CaptureRulesTest, AScreenTakesItsOwnPixelsOfASnapshotOfAllScreens)
{
    struct Case { int snapshotWidth, snapshotHeight; CaptureRect desktop, screen, part; };
    const Case cases[] = {
        {1280, 1024, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}},        // one screen
        {2560, 1024, {0, 0, 2560, 1024}, {1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}},  // the right one
        {2560, 2048, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 0, 2560, 2048}},        // scale 2
        {3840, 2048, {-1280, 0, 640, 1024}, {0, 0, 640, 1024}, {2560, 0, 3840, 2048}},   // left of 0, scale 2
        {1000, 500, {0, 0, 1280, 1024}, {1200, 900, 1400, 1100}, {938, 439, 1000, 500}}, // cut to the picture
        {100, 100, {}, {0, 0, 10, 10}, {}},                                               // no desktop
    };
    for (const Case& c : cases)
        EXPECT_TRUE(ScreenPartOfSnapshot(c.snapshotWidth, c.snapshotHeight, c.desktop, c.screen) == c.part)
            << c.screen.left << "," << c.screen.top << " in a " << c.snapshotWidth << "x" << c.snapshotHeight << " snapshot";
}
