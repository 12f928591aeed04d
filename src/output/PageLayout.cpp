#include "output/PageLayout.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kTwipsPerPixel = 15;

struct LayoutRow {
    int formsPerRow;
    int bannersPerRow;
    int widthTwips;   // 0: the window keeps its size
    int heightTwips;
};

// Index: column count - 2.
constexpr std::array<LayoutRow, 5> kLayouts = {{
    {2, 1, 0, 0},
    {3, 2, 15285, 10935},
    {3, 2, 19125, 14820},
    {4, 3, 22035, 14385},
    {5, 3, 25245, 15330},
}};

const LayoutRow& LayoutFor(int columns)
{
    return kLayouts[static_cast<std::size_t>(ClampColumnCount(columns) - 2)];
}

} // namespace

int ClampColumnCount(int columns)
{
    return std::clamp(columns, 2, 6);
}

int FormsPerRow(int columns)
{
    return LayoutFor(columns).formsPerRow;
}

int BannersPerRow(int columns)
{
    return LayoutFor(columns).bannersPerRow;
}

std::optional<PreviewSize> PreviewWindowSize(int columns)
{
    const LayoutRow& row = LayoutFor(columns);
    if (row.widthTwips == 0) return std::nullopt;
    return PreviewSize{row.widthTwips / kTwipsPerPixel, row.heightTwips / kTwipsPerPixel};
}
