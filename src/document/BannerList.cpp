#include "document/BannerList.h"

#include "common/FileLookup.h"
#include "common/Ini.h"
#include "common/NameRules.h"

#include <cctype>

namespace {

const char* const kBackgroundPicture = "bn_back.gif";

bool StartsWithLower(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

} // namespace

std::string BannerName(const std::string& fileName)
{
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

std::vector<std::string> AvailableBanners(const std::vector<std::string>& files)
{
    std::vector<std::string> banners;
    // With a single picture the folder offers nothing, whatever that picture is.
    if (files.size() < 2) return banners;
    for (const std::string& file : files) {
        if (LowerCaseCp1252(file) != kBackgroundPicture) banners.push_back(file);
    }
    return banners;
}

BannerText ReadBannerText(const std::string& bannersFile, const std::string& name)
{
    return {ReadIni(name, "Link", bannersFile, ""), ReadIni(name, "Info", bannersFile, kInfoPlaceholder)};
}

bool StoreBannerText(const std::string& bannersFile, const std::string& name, const BannerText& text)
{
    // An info that is empty or still the placeholder is stored as the name, as for an entry.
    return WriteIniKeys({{name, "Link", text.link}, {name, "Info", EntryInfoRule(text.info, name)}}, bannersFile);
}

std::string BannerPicture(const std::string& bannerFolder, const std::string& name)
{
    const AnyCaseFolder folder(bannerFolder);
    for (const char* extension : {".gif", ".jpg"}) {
        if (const auto picture = folder.Find(name + extension)) return *picture;
    }
    return {};
}

bool IsPastedLink(std::string_view text)
{
    for (const char* prefix : {"http://", "www.", "file://", "https://"}) {
        if (StartsWithLower(text, prefix)) return true;
    }
    return false;
}
