// Sizes of the column editor for a column count.
#include "editor/MainWindowLayout.h"

#include "common/gui/WindowHelpers.h"

namespace MainWindowLayout {

int WindowWidthTwips(int columns)
{
    switch (columns) {
    case 2:
    case 3:
        return 7800;
    case 4:
        return 10320;
    case 5:
        return 12840;
    case 6:
        return 15360;
    default:
        return 0;
    }
}

int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

bool ColumnShown(int index, int columns)
{
    return index < 2 || index < columns;
}

QRect ColumnFrameRect(int index)
{
    return {kColumnLeft + index * kColumnPitch, kColumnTop, kColumnWidth, kColumnHeight};
}

QRect BottomFrameRect(int windowWidthTwips)
{
    const int width = TwipsToPixels(windowWidthTwips - kBottomFrameMarginTwips);
    const int left = (TwipsToPixels(windowWidthTwips) - width) / 2;
    return {left, kBottomTop, width, kBottomHeight};
}

} // namespace MainWindowLayout
