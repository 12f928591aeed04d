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

CaptureRect ScreenPartOfSnapshot(int snapshotWidth, int snapshotHeight, const CaptureRect& desktop,
                                 const CaptureRect& screen)
{
    if (desktop.Width() <= 0 || desktop.Height() <= 0) return {};
    const auto scaled = [](int logical, int snapshotSize, int desktopSize, int limit) {
        const long long pixels = (static_cast<long long>(logical) * snapshotSize + desktopSize / 2) / desktopSize;
        return static_cast<int>(std::clamp<long long>(pixels, 0, limit));
    };
    return {scaled(screen.left - desktop.left, snapshotWidth, desktop.Width(), snapshotWidth),
            scaled(screen.top - desktop.top, snapshotHeight, desktop.Height(), snapshotHeight),
            scaled(screen.right - desktop.left, snapshotWidth, desktop.Width(), snapshotWidth),
            scaled(screen.bottom - desktop.top, snapshotHeight, desktop.Height(), snapshotHeight)};
}
