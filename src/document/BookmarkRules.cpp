#include "document/BookmarkRules.h"

#include "common/CodePage.h"
#include "document/BookmarkTree.h"
#include "document/EntryNameCheck.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The scheme in lower case when the address starts with one followed by "://".
std::string Scheme(std::string_view url)
{
    const std::size_t colon = url.find(':');
    if (colon == std::string_view::npos || colon == 0) return {};
    for (std::size_t i = 0; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(url[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
    }
    return Lower(url.substr(0, colon));
}

struct AddressParts {
    std::string scheme;
    std::string user;  // with its "@"
    std::string host;
    std::string port;  // without ":"
    std::string path;
    std::string query;  // without "?"
};

AddressParts SplitAddress(std::string_view url)
{
    AddressParts parts;
    std::size_t start = url.find("://");
    if (start == std::string_view::npos) {
        parts.scheme = "http";
        start = 0;
    } else {
        parts.scheme = Lower(url.substr(0, start));
        start += 3;
    }
    std::string_view rest = url.substr(start);
    if (const std::size_t hash = rest.find('#'); hash != std::string_view::npos) rest = rest.substr(0, hash);
    const std::size_t authorityEnd = rest.find_first_of("/?");
    std::string_view authority = rest.substr(0, authorityEnd);
    rest = authorityEnd == std::string_view::npos ? std::string_view() : rest.substr(authorityEnd);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        parts.user = std::string(authority.substr(0, at + 1));
        authority = authority.substr(at + 1);
    }
    // A port follows the last colon, unless that colon lies inside an IPv6 literal.
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        parts.port = std::string(authority.substr(colon + 1));
        authority = authority.substr(0, colon);
    }
    parts.host = Lower(authority);
    const std::size_t question = rest.find('?');
    parts.path = std::string(rest.substr(0, question));
    if (question != std::string_view::npos) parts.query = std::string(rest.substr(question + 1));
    return parts;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

// Runs of blanks made one, blanks at both ends removed.
std::string TidyBlanks(std::string_view text)
{
    std::string tidy;
    for (const char c : text) {
        if (c == ' ' && (tidy.empty() || tidy.back() == ' ')) continue;
        tidy += c;
    }
    while (!tidy.empty() && tidy.back() == ' ') tidy.pop_back();
    return tidy;
}

bool Unwanted(std::string_view character)
{
    if (character.size() == 1) {
        const auto c = static_cast<unsigned char>(character[0]);
        if (c < 32 || c == 127) return true;
        return std::string_view("\\/:*?\"<>|[]").find(static_cast<char>(c)) != std::string_view::npos;
    }
    if (!FitsCp1252(character)) return true;
    // The C1 controls are characters of 1252's undefined bytes, but no text anyone wants.
    const auto lead = static_cast<unsigned char>(character[0]);
    return lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

} // namespace

std::string AddressHost(std::string_view url)
{
    const std::string scheme = Scheme(url);
    if ((scheme != "http" && scheme != "https") || url.find("://") == std::string_view::npos) return {};
    return SplitAddress(url).host;
}

std::string NormaliseAddress(std::string_view url)
{
    while (!url.empty() && url.front() == ' ') url.remove_prefix(1);
    while (!url.empty() && url.back() == ' ') url.remove_suffix(1);
    AddressParts parts = SplitAddress(url);
    if ((parts.scheme == "http" && parts.port == "80") || (parts.scheme == "https" && parts.port == "443"))
        parts.port.clear();
    if (parts.path.empty()) parts.path = "/";
    if (parts.path.size() > 1 && parts.path.back() == '/') parts.path.pop_back();

    std::vector<std::string> params;
    for (std::size_t begin = 0; begin <= parts.query.size();) {
        std::size_t end = parts.query.find('&', begin);
        if (end == std::string::npos) end = parts.query.size();
        const std::string param = parts.query.substr(begin, end - begin);
        if (!param.empty() && !Lower(param).starts_with("utm_")) params.push_back(param);
        begin = end + 1;
    }
    std::sort(params.begin(), params.end());

    std::string normal = parts.scheme + "://" + parts.user + parts.host;
    if (!parts.port.empty()) normal += ":" + parts.port;
    normal += parts.path;
    for (std::size_t i = 0; i < params.size(); ++i) normal += (i == 0 ? "?" : "&") + params[i];
    return normal;
}

std::string BookmarkLink(std::string_view url)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string link;
    link.reserve(url.size());
    for (std::size_t i = 0; i < url.size();) {
        const std::size_t length = Utf8CharacterLength(url, i);
        const std::string_view character = url.substr(i, length);
        if (FitsCp1252(character)) {
            link += character;
        } else {
            for (const char byte : character) {
                link += '%';
                link += kHex[static_cast<unsigned char>(byte) >> 4];
                link += kHex[static_cast<unsigned char>(byte) & 15];
            }
        }
        i += length;
    }
    return link;
}

std::string BookmarkSkipReason(const BookmarkNode& bookmark)
{
    const std::string scheme = Scheme(bookmark.url);
    if ((scheme != "http" && scheme != "https") || AddressHost(bookmark.url).empty()) return kSkipNoWebAddress;
    if (bookmark.feed) return kSkipFeed;
    if (bookmark.url.find("%s") != std::string::npos) return kSkipSearch;
    if (BookmarkLink(bookmark.url).size() > kMaxLinkLength) return kSkipTooLong;
    return {};
}

std::string BookmarkEntryName(std::string_view title, std::string_view url)
{
    std::string kept;
    for (std::size_t i = 0; i < title.size();) {
        const std::size_t length = Utf8CharacterLength(title, i);
        const std::string_view character = title.substr(i, length);
        if (character == "\r" || character == "\n" || character == "\t") kept += ' ';
        else if (!Unwanted(character)) kept += character;
        i += length;
    }
    std::string name = TidyBlanks(kept);
    std::size_t cut = 0;
    for (std::size_t count = 0; cut < name.size() && count < kMaxBookmarkNameLength; ++count)
        cut += Utf8CharacterLength(name, cut);
    name = TidyBlanks(name.substr(0, cut));
    if (FindEntryNameProblem(name) == EntryNameProblem::None) return name;

    std::string host = AddressHost(url);
    if (host.starts_with("www.")) host.erase(0, 4);
    return host;
}

std::string BookmarkInfo(std::string_view description, const std::vector<std::string>& folderPath)
{
    std::string info(description);
    if (TidyBlanks(info).empty()) {
        info.clear();
        for (const std::string& folder : folderPath) info += (info.empty() ? "" : " \u203A ") + folder;
    }
    ReplaceAll(info, "\r\n", " ");
    for (char& c : info) {
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
        else if (c == '"') c = '\'';
    }
    return TidyBlanks(info);
}
