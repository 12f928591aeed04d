#include "document/BookmarksFile.h"

#include "common/FileIo.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <array>
#include <cctype>
#include <cstring>

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool Is(const xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

std::string Attribute(const xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (!value) return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

bool HasAttribute(const xmlNode* node, const char* name)
{
    return xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)) != nullptr;
}

std::string Content(const xmlNode* node)
{
    xmlChar* value = xmlNodeGetContent(node);
    if (!value) return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

std::string Base64Decode(std::string_view text)
{
    std::array<int, 256> value{};
    value.fill(-1);
    const char* const alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (int i = 0; i < 64; ++i) value[static_cast<unsigned char>(alphabet[i])] = i;
    value['-'] = 62;  // the URL-safe alphabet
    value['_'] = 63;
    std::string bytes;
    bytes.reserve(text.size() * 3 / 4);
    unsigned bits = 0;
    int count = 0;
    for (const char c : text) {
        const int v = value[static_cast<unsigned char>(c)];
        if (v < 0) continue;  // padding, line breaks, blanks
        bits = (bits << 6) | static_cast<unsigned>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return bytes;
}

std::string PercentDecode(std::string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            bytes += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// Walks the document in order. A <DL> opens the folder that the last <H3> before it named; an
// <A> is a bookmark of the open folder; a <DD> describes the bookmark just before it.
class TreeBuilder {
public:
    explicit TreeBuilder(BookmarkNode& top) { open_.push_back(&top); }

    void Walk(const xmlNode* node)
    {
        for (; node; node = node->next) {
            if (node->type != XML_ELEMENT_NODE) continue;
            if (Is(node, "h3")) {
                pending_ = BookmarkNode{};
                pending_.folder = true;
                pending_.title = Content(node);
                // The toolbar and "other bookmarks" folders of an export stand for the browser's roots.
                pending_.root = HasAttribute(node, "personal_toolbar_folder") ||
                                HasAttribute(node, "unfiled_bookmarks_folder");
                hasPending_ = true;
                lastBookmark_ = nullptr;
                continue;
            }
            if (Is(node, "dl")) {
                BookmarkNode* parent = open_.back();
                BookmarkNode* folder = parent;
                if (hasPending_) {
                    parent->children.push_back(std::move(pending_));
                    folder = &parent->children.back();
                    hasPending_ = false;
                }
                lastBookmark_ = nullptr;
                open_.push_back(folder);
                Walk(node->children);
                open_.pop_back();
                lastBookmark_ = nullptr;
                continue;
            }
            if (Is(node, "a")) {
                FlushPending();
                BookmarkNode bookmark;
                bookmark.url = Attribute(node, "href");
                bookmark.title = Content(node);
                bookmark.feed = HasAttribute(node, "feedurl");
                bookmark.icon = IconFromDataUri(Attribute(node, "icon"));
                open_.back()->children.push_back(std::move(bookmark));
                lastBookmark_ = &open_.back()->children.back();
                continue;
            }
            if (Is(node, "dd")) {
                if (lastBookmark_) lastBookmark_->description = DescriptionText(node);
                lastBookmark_ = nullptr;
            }
            Walk(node->children);
        }
    }

    void Finish() { FlushPending(); }

private:
    // A folder title without a list of its own is an empty folder.
    void FlushPending()
    {
        if (!hasPending_) return;
        open_.back()->children.push_back(std::move(pending_));
        hasPending_ = false;
    }

    // The text of a <DD> up to the next element the parser put inside it (a following <DT> or <DL>
    // of a file without end tags), which is walked on its own.
    std::string DescriptionText(const xmlNode* dd)
    {
        std::string text;
        for (const xmlNode* child = dd->children; child; child = child->next) {
            if (child->type == XML_TEXT_NODE) text += Content(child);
            else if (child->type == XML_ELEMENT_NODE && (Is(child, "dt") || Is(child, "dl") || Is(child, "h3")))
                break;
            else text += Content(child);
        }
        const std::size_t begin = text.find_first_not_of(" \t\r\n");
        if (begin == std::string::npos) return {};
        return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
    }

    std::vector<BookmarkNode*> open_;
    BookmarkNode pending_;
    bool hasPending_ = false;
    BookmarkNode* lastBookmark_ = nullptr;
};

htmlDocPtr Parse(std::string_view bytes, const char* encoding, int extraOptions)
{
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                        HTML_PARSE_COMPACT | XML_PARSE_HUGE | extraOptions;
    return htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, encoding, options);
}

// The charset a <META> of the document names (http-equiv content or charset attribute).
std::string MetaCharset(const xmlNode* node)
{
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) continue;
        if (Is(node, "meta")) {
            std::string charset = Attribute(node, "charset");
            if (charset.empty()) {
                const std::string content = Lower(Attribute(node, "content"));
                const std::size_t at = content.find("charset=");
                if (at != std::string::npos) {
                    charset = content.substr(at + 8);
                    const std::size_t end = charset.find_first_of("; \"'");
                    if (end != std::string::npos) charset.resize(end);
                }
            }
            if (!charset.empty()) return charset;
        }
        if (Is(node, "dl")) return {};  // the META stands before the lists
        std::string inner = MetaCharset(node->children);
        if (!inner.empty()) return inner;
    }
    return {};
}

// An export ends with the closing tag of its outermost list; one cut off before holds no
// closing tag at all.
bool EndsEarly(std::string_view bytes)
{
    std::string tail = Lower(bytes.substr(bytes.size() > 4096 ? bytes.size() - 4096 : 0));
    return tail.find("</dl>") == std::string::npos;
}

void AppendUtf8(std::string& text, unsigned long code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

BookmarkIcon IconFromDataUri(std::string_view uri)
{
    BookmarkIcon icon;
    if (!Lower(uri.substr(0, 5)).starts_with("data:")) return icon;
    const std::size_t comma = uri.find(',');
    if (comma == std::string_view::npos) return icon;
    const std::string header = Lower(uri.substr(5, comma - 5));
    const std::string_view payload = uri.substr(comma + 1);
    icon.bytes = header.ends_with(";base64") ? Base64Decode(payload) : PercentDecode(payload);
    icon.svg = header.starts_with("image/svg");
    return icon;
}

std::string DecodeHtmlEntities(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - i > 12 || semicolon == i + 1) {
            decoded += text[i];
            continue;
        }
        const std::string name(text.substr(i + 1, semicolon - i - 1));
        unsigned long code = 0;
        if (name[0] == '#') {
            const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
            const std::string digits = name.substr(hex ? 2 : 1);
            char* end = nullptr;
            code = digits.empty() ? 0 : std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
            if (!end || *end != '\0') code = 0;
        } else if (const htmlEntityDesc* entity = htmlEntityLookup(reinterpret_cast<const xmlChar*>(name.c_str()))) {
            code = entity->value;
        }
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            decoded += text[i];
            continue;
        }
        AppendUtf8(decoded, code);
        i = semicolon;
    }
    return decoded;
}

std::optional<BookmarkNode> ParseBookmarksHtml(std::string_view bytes)
{
    if (bytes.empty() || EndsEarly(bytes)) return std::nullopt;
    // Read as UTF-8 first, whatever the file says; only a META naming another charset makes a
    // second reading in that charset.
    htmlDocPtr doc = Parse(bytes, "UTF-8", XML_PARSE_IGNORE_ENC);
    if (!doc) return std::nullopt;
    const std::string charset = Lower(MetaCharset(xmlDocGetRootElement(doc)));
    if (!charset.empty() && charset != "utf-8" && charset != "utf8") {
        if (htmlDocPtr again = Parse(bytes, charset.c_str(), XML_PARSE_IGNORE_ENC)) {
            xmlFreeDoc(doc);
            doc = again;
        }
    }
    BookmarkNode top;
    top.folder = true;
    TreeBuilder builder(top);
    builder.Walk(xmlDocGetRootElement(doc));
    builder.Finish();
    xmlFreeDoc(doc);
    return top;
}

std::optional<BookmarkNode> ReadBookmarksFile(const std::string& path)
{
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return ParseBookmarksHtml(*bytes);
}
