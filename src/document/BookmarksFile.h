// The bookmarks file every browser exports ("bookmarks.html", the Netscape bookmark format), read
// with libxml2's HTML parser: folders from <H3> and the <DL> after it, bookmarks from <A> with
// their ICON data, descriptions from <DD>. The charset comes from the META tag; a file that
// names none is UTF-8.
#pragma once

#include "document/BookmarkTree.h"

#include <optional>
#include <string>
#include <string_view>

std::optional<BookmarkNode> ReadBookmarksFile(const std::string& path);
std::optional<BookmarkNode> ParseBookmarksHtml(std::string_view bytes);

// A text with its HTML character references (&amp; &eacute; &#228; &#xE4;) decoded, as browsers
// keep some titles; unknown references stay as they stand.
std::string DecodeHtmlEntities(std::string_view text);

// The bytes of a "data:" address (base64 or plain), with whether it is an SVG picture; empty
// when it is none.
BookmarkIcon IconFromDataUri(std::string_view uri);
