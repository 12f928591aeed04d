// The rubber band of the logo capture reduced to numbers: the rectangle a drag marks and whether
// it is large enough to become a logo. Coordinates are device pixels of the screen snapshot.
#pragma once

struct CaptureBand {
    int startX = 0;  // where the button went down
    int startY = 0;
    int endX = 0;    // where the mouse is (or was released)
    int endY = 0;
};

struct CaptureRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const CaptureRect&) const = default;
};

// The band's corners sorted, whichever way it was dragged; a band without width or height
// still takes one pixel in that direction.
CaptureRect NormaliseBand(const CaptureBand& band);

// A band both narrower and lower than 16 pixels (a click, a slip of the mouse) marks no logo.
bool BandTooSmall(const CaptureBand& band);

// Where one screen lies in a snapshot of all screens. `desktop` is the box round every screen and
// `screen` the screen's place in it, both in the desktop's logical pixels; the snapshot spans the
// whole box at whatever scale the desktop took it (twice the logical size beside a screen at
// scale 2). The part is cut to the snapshot.
CaptureRect ScreenPartOfSnapshot(int snapshotWidth, int snapshotHeight, const CaptureRect& desktop,
                                 const CaptureRect& screen);
