#include "imaging/CaptureRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

auto Corners(const CaptureRect& r)
{
    return std::make_tuple(r.left, r.top, r.right, r.bottom);
}

TEST(CaptureRulesTest, AScreenTakesItsOwnPixelsOfASnapshotOfAllScreens)
{
    struct Case { int snapshotWidth, snapshotHeight; CaptureRect desktop, screen, part; };
    const Case cases[] = {
        {1280, 1024, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}},        // one screen
        {2560, 1024, {0, 0, 2560, 1024}, {1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}},  // the right one
        {2560, 2048, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 0, 2560, 2048}},        // scale 2
        {3840, 2048, {-1280, 0, 640, 1024}, {0, 0, 640, 1024}, {2560, 0, 3840, 2048}},   // left of 0, scale 2
        {1000, 500, {0, 0, 1280, 1024}, {1200, 900, 1400, 1100}, {938, 439, 1000, 500}}, // cut to the picture
    };
    for (const Case& c : cases)
        EXPECT_EQ(Corners(ScreenPartOfSnapshot(c.snapshotWidth, c.snapshotHeight, c.desktop, c.screen)),
                  Corners(c.part));
    EXPECT_EQ(Corners(ScreenPartOfSnapshot(100, 100, {}, {0, 0, 10, 10})), Corners(CaptureRect{}));
}

} // namespace
