// The markup pieces of a generated link page, appended to the page text in page order. Values
// go in as they are, except that a '"' inside an attribute value is neutralised so that it
// cannot end the attribute early.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kCrLf = "\r\n";

// The link with "http://" in front unless it begins with "http" (exactly, case-sensitive).
std::string LinkWithScheme(const std::string& link);

// Attribute values: '"' becomes %22 in an address (href, src) and &quot; in a text (alt).
std::string AddressAttribute(std::string_view value);
std::string TextAttribute(std::string_view value);

// Head, BODY tag and the small-font wrapper.
void AppendPageStart(std::string& html, const std::string& title, bool useBack);
// The closing tags.
void AppendPageEnd(std::string& html);

// Header line: the start of a row table, one form cell, the separator between rows, the end.
void AppendFormRowStart(std::string& html, bool useWall);
void AppendFormCell(std::string& html, const std::string& widthAttribute, const std::string& formText);
void AppendFormRowBreak(std::string& html);
void AppendFormLineEnd(std::string& html);

// Banner and footer lines. `picture` is the picture's file name in the images folder, empty
// for a banner shown as a text link.
void AppendBannerRowStart(std::string& html);
void AppendBannerCell(std::string& html, const std::string& link, const std::string& picture,
                      const std::string& info, const std::string& name);
void AppendBannerRowBreak(std::string& html);
void AppendBannerLineEnd(std::string& html);

// The table of link columns.
void AppendColumnTableStart(std::string& html);
void AppendColumnStart(std::string& html);
void AppendPictureEntry(std::string& html, const std::string& link, const std::string& pictureRef,
                        const std::string& info);
void AppendTextEntry(std::string& html, const std::string& link, const std::string& name);
void AppendColumnEnd(std::string& html);
void AppendColumnTableEnd(std::string& html);
