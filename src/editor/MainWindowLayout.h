// Sizes of the column editor for a column count: the window width, which column frames show,
// and where the frames stand. Widths are fixed in twips; positions inside are our own, in pixels.
#pragma once

#include <QRect>

namespace MainWindowLayout {

// The window width in twips for 2 to 6 columns; 0 for any other count (nothing changes then).
int WindowWidthTwips(int columns);

// Twips to whole pixels, halves rounded up.
int TwipsToPixels(int twips);

// The bottom frame (column count, preview, generator button) is this much narrower than the window.
inline constexpr int kBottomFrameMarginTwips = 220;

// Whether the frame of column `index` (0 to 5) shows for the count; columns 1 and 2 always show.
bool ColumnShown(int index, int columns);

// Pixel geometry inside the window's client area (below the menu bar).
inline constexpr int kColumnLeft = 8;
inline constexpr int kColumnPitch = 168;  // one column more widens the window by 2520 twips
inline constexpr int kColumnWidth = 164;
inline constexpr int kColumnTop = 6;
inline constexpr int kColumnHeight = 468;
inline constexpr int kBottomTop = kColumnTop + kColumnHeight + 6;
inline constexpr int kBottomHeight = 48;
inline constexpr int kClientHeight = kBottomTop + kBottomHeight + 8;

QRect ColumnFrameRect(int index);

// The bottom frame for a window `windowWidthTwips` wide: the narrower width, centred.
QRect BottomFrameRect(int windowWidthTwips);

} // namespace MainWindowLayout
