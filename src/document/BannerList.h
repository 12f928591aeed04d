// The banners of the banner and footer lines: which pictures of BannerFolder are offered, and
// each banner's link and info text in the banner list file (Banner/Banners.txt), shared by both
// lines and all pages. Its sections are named by the banner's name as it stands.
#pragma once

#include "document/EntryFile.h"  // kInfoPlaceholder: the info box's placeholder, as for entries

#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kBannerPattern = "*.gif;*.jpg";

// A banner's name: its picture's file name without the extension.
std::string BannerName(const std::string& fileName);

// The pictures offered as banners, from the folder's listed files in their order: none when the
// folder holds fewer than two files; bn_back.gif (the lines' background) never.
std::vector<std::string> AvailableBanners(const std::vector<std::string>& files);

struct BannerText {
    std::string link;
    std::string info;
};

// The banner's Link (default empty) and Info (default the placeholder).
BannerText ReadBannerText(const std::string& bannersFile, const std::string& name);

// Writes Link and Info into the banner's section; an info that is empty or the placeholder is
// written as the banner's name.
bool StoreBannerText(const std::string& bannersFile, const std::string& name, const BannerText& text);

// The picture of a chosen banner: name + ".gif" in the banner folder if it exists, else ".jpg",
// else empty; the file is found whatever the case of its name.
std::string BannerPicture(const std::string& bannerFolder, const std::string& name);

// True for a text that reads as an address (http://, https://, file:// or www., any case): the
// banner windows take such a text from the clipboard.
bool IsPastedLink(std::string_view text);
