// The bookmarks of a Chromium-family profile (Chromium, Chrome, Edge, Brave, Vivaldi, Opera):
// Bookmarks and AccountBookmarks (JSON, roots bookmark_bar, other and synced), with the icons
// of a copy of the Favicons database.
#pragma once

#include "document/BookmarkTree.h"

#include <optional>
#include <string>
#include <string_view>

std::optional<BookmarkNode> ReadChromiumBookmarks(const std::string& profileFolder);

// The roots of one Bookmarks file as folders of `top`; false when the text is no such JSON.
bool AddChromiumBookmarks(std::string_view json, BookmarkNode& top);
