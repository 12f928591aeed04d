#include "output/PageHtml.h"

namespace {

std::string Replaced(std::string_view value, char from, std::string_view to)
{
    if (value.find(from) == std::string_view::npos) return std::string(value);
    std::string out;
    out.reserve(value.size() + 8);
    for (char c : value) {
        if (c == from)
            out += to;
        else
            out += c;
    }
    return out;
}

void AppendLines(std::string& html, int count)
{
    for (int i = 0; i < count; ++i) html += kCrLf;
}

void AppendLinkOpening(std::string& html, const std::string& link)
{
    html += "<a href=\"";
    html += AddressAttribute(link);
    html += "\" target=\"_blank\">";
}

void AppendImage(std::string& html, const std::string& source, const std::string& info)
{
    html += "<img src=\"";
    html += AddressAttribute(source);
    html += "\" border=\"0\" alt=\"";
    html += TextAttribute(info);
    html += "\">";
}

void AppendTextLink(std::string& html, const std::string& link, const std::string& name)
{
    html += "<font face=\"Arial\" size=\"5\">";
    AppendLinkOpening(html, link);
    html += name;
    html += "</a></font>";
}

} // namespace

std::string LinkWithScheme(const std::string& link)
{
    if (link.starts_with("http")) return link;
    return "http://" + link;
}

std::string AddressAttribute(std::string_view value)
{
    return Replaced(value, '"', "%22");
}

std::string TextAttribute(std::string_view value)
{
    return Replaced(value, '"', "&quot;");
}

void AppendPageStart(std::string& html, const std::string& title, bool useBack)
{
    html += "<HTML><HEAD><TITLE>";
    html += title;
    html += "</TITLE></HEAD>";
    html += kCrLf;
    html += "<BODY BGCOLOR=\"#C0C0C0\" TEXT=\"black\" ALINK=\"black\" VLINK=\"black\" link=\"black\"";
    html += useBack ? " background=\"images/back.gif\">" : ">";
    html += "<font size=\"1\"><br />";
    AppendLines(html, 3);
}

void AppendPageEnd(std::string& html)
{
    html += "</font>";
    html += kCrLf;
    html += "</BODY>";
    html += kCrLf;
    html += "</HTML>";
    html += kCrLf;
}

void AppendFormRowStart(std::string& html, bool useWall)
{
    html += "<table border=\"0\" align=\"center\" bgcolor=\"white\"";
    html += useWall ? " background=\"images/wallpaper.gif\"><tr>" : "><tr>";
}

void AppendFormCell(std::string& html, const std::string& widthAttribute, const std::string& formText)
{
    html += "<td ";
    html += widthAttribute;
    html += "valign=\"top\">";
    AppendLines(html, 3);
    html += formText;
    AppendLines(html, 2);
    html += "</td>";
}

void AppendFormRowBreak(std::string& html)
{
    html += "</tr></table>";
}

void AppendFormLineEnd(std::string& html)
{
    html += "</tr></table><br />";
    AppendLines(html, 3);
}

void AppendBannerRowStart(std::string& html)
{
    html += "<table border=\"0\" align=\"center\"><tr>";
}

void AppendBannerCell(std::string& html, const std::string& link, const std::string& picture,
                      const std::string& info, const std::string& name)
{
    html += "<td width=\"490\" valign=\"top\"><p align=\"center\">";
    AppendLines(html, 2);
    if (picture.empty()) {
        AppendTextLink(html, link, name);
    } else {
        AppendLinkOpening(html, link);
        AppendImage(html, "images/" + picture, info);
        html += "</a>";
    }
    html += "</p>";
    AppendLines(html, 2);
    html += "</td>";
}

void AppendBannerRowBreak(std::string& html)
{
    html += "</tr></table><br />";
}

void AppendBannerLineEnd(std::string& html)
{
    html += "</tr></table><br /><br />";
    AppendLines(html, 3);
}

void AppendColumnTableStart(std::string& html)
{
    html += "<table border=\"0\" align=\"center\"><tr>";
}

void AppendColumnStart(std::string& html)
{
    html += "<td width=\"321\" valign=\"top\"><p align=\"center\">";
    AppendLines(html, 3);
}

void AppendPictureEntry(std::string& html, const std::string& link, const std::string& pictureRef,
                        const std::string& info)
{
    AppendLinkOpening(html, link);
    AppendImage(html, pictureRef, info);
    html += "</a><br /><br />";
    html += kCrLf;
}

void AppendTextEntry(std::string& html, const std::string& link, const std::string& name)
{
    AppendTextLink(html, link, name);
    html += "<br /><br />";
    html += kCrLf;
}

void AppendColumnEnd(std::string& html)
{
    AppendLines(html, 2);
    html += "</p></td>";
}

void AppendColumnTableEnd(std::string& html)
{
    html += "</tr></table>";
    AppendLines(html, 3);
}
