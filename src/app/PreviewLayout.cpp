#include "app/PreviewLayout.h"

#include "common/gui/WindowHelpers.h"

namespace {
constexpr int kWidthMarginTwips = 120;
constexpr int kHeightMarginTwips = 440;
}

QSize PreviewBrowserSize(QSize window, QSize current)
{
    const int width = (window.width() * kTwipsPerPixel - kWidthMarginTwips) / kTwipsPerPixel;
    const int height = (window.height() * kTwipsPerPixel - kHeightMarginTwips) / kTwipsPerPixel;
    return QSize(width >= 0 ? width : current.width(), height >= 0 ? height : current.height());
}
