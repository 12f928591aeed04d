// The bookmarks of a Firefox profile: places.sqlite for the tree below the menu, toolbar,
// unfiled and mobile roots (the tags tree and place: queries left out), favicons.sqlite for the
// icons. Both are read through copies, as Firefox may hold them open.
#pragma once

#include "document/BookmarkTree.h"

#include <optional>
#include <string>
#include <vector>

std::optional<BookmarkNode> ReadFirefoxBookmarks(const std::string& profileFolder);

// One icon Firefox stored for a page.
struct FirefoxIconRow {
    int width = 0;
    std::string url;
    std::string data;
};

// The icon to draw of those found: the widest raster icon, else an SVG one (Firefox records an
// SVG icon with width 65535).
BookmarkIcon ChooseFirefoxIcon(const std::vector<FirefoxIconRow>& icons);
