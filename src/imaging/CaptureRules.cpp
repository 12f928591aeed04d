#include "imaging/CaptureRules.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int kSmallestLogoSide = 16;
}

CaptureRect NormaliseBand(const CaptureBand& band)
{
    CaptureRect rect{std::min(band.startX, band.endX), std::min(band.startY, band.endY),
                     std::max(band.startX, band.endX), std::max(band.startY, band.endY)};
    if (rect.right == rect.left) ++rect.right;
    if (rect.bottom == rect.top) ++rect.bottom;
    return rect;
}

bool BandTooSmall(const CaptureBand& band)
{
    return std::abs(band.endX - band.startX) < kSmallestLogoSide
        && std::abs(band.endY - band.startY) < kSmallestLogoSide;
}
