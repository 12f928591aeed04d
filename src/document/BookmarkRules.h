// What a bookmark becomes as an entry of the library: its display name, its link and info text,
// the reason it is skipped, and the normalised address by which duplicates are found.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct BookmarkNode;

// The reasons a bookmark is not taken, as the import shows them.
inline constexpr const char* kSkipNoWebAddress = "keine Web-Adresse";
inline constexpr const char* kSkipSearch = "Suchbegriff";
inline constexpr const char* kSkipFeed = "Feed";
inline constexpr const char* kSkipTooLong = "Adresse zu lang";

// The longest link an entry file gives back whole.
inline constexpr std::size_t kMaxLinkLength = 2047;
inline constexpr std::size_t kMaxBookmarkNameLength = 60;

// The host of an http or https address, in lower case, without port or user; empty otherwise.
std::string AddressHost(std::string_view url);

// The address as duplicates are compared: scheme and host in lower case, the default port, the
// fragment and utm_* parameters dropped, the query parameters sorted, a trailing "/" dropped
// except for the root. An address without a scheme counts as http://.
std::string NormaliseAddress(std::string_view url);

// The link as stored: every character outside Windows-1252 percent-encoded (its UTF-8 bytes).
std::string BookmarkLink(std::string_view url);

// Why the bookmark is skipped, or empty when it becomes an entry.
std::string BookmarkSkipReason(const BookmarkNode& bookmark);

// The display name from the title: line breaks and tabs made blanks; characters outside
// Windows-1252, control characters, \ / : * ? " < > | [ and ] removed; blanks trimmed and runs
// made one; at most 60 characters. A name no entry can have becomes the host without "www.".
std::string BookmarkEntryName(std::string_view title, std::string_view url);

// The info text: the description, else the folder path ("Nachrichten › Regional"), else empty;
// line breaks made blanks and " made ' (the page writes it into an attribute as it is).
std::string BookmarkInfo(std::string_view description, const std::vector<std::string>& folderPath);
