// How the column count of a link page shapes its layout: cells per row of the header, banner
// and footer lines, and the size of the preview window.
#pragma once

#include <optional>

// Every column count outside 2..6 is treated as the nearest one inside.
int ClampColumnCount(int columns);

// Search forms per row of the header line.
int FormsPerRow(int columns);

// Banners per row of the banner and footer lines.
int BannersPerRow(int columns);

struct PreviewSize {
    int width = 0;   // pixels, frame included
    int height = 0;
    bool operator==(const PreviewSize&) const = default;
};

// The preview window's size for the column count; nullopt for two columns, where the window
// keeps the size it has.
std::optional<PreviewSize> PreviewWindowSize(int columns);
