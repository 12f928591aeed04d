#include "document/ChromiumBookmarks.h"

#include "common/FileIo.h"
#include "common/Files.h"
#include "document/BookmarkRules.h"
#include "document/BookmarksFile.h"
#include "document/SqliteCopy.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

std::string StringOf(const Json& node, const char* key)
{
    const auto it = node.find(key);
    return it != node.end() && it->is_string() ? it->get<std::string>() : std::string();
}

void AddNode(const Json& node, BookmarkNode& parent, int depth)
{
    if (!node.is_object() || depth > 100) return;
    BookmarkNode child;
    child.title = DecodeHtmlEntities(StringOf(node, "name"));
    if (StringOf(node, "type") == "folder") {
        child.folder = true;
        const auto children = node.find("children");
        if (children != node.end() && children->is_array())
            for (const Json& grandchild : *children) AddNode(grandchild, child, depth + 1);
    } else if (StringOf(node, "type") == "url") {
        child.url = StringOf(node, "url");
    } else {
        return;
    }
    parent.children.push_back(std::move(child));
}

// The icons of pages: the widest bitmap of the page, then of any page of its host.
class IconFinder {
public:
    explicit IconFinder(const SqliteCopy& db)
        : page_(db, "SELECT b.width, b.image_data FROM icon_mapping m JOIN favicon_bitmaps b ON b.icon_id = m.icon_id "
                    "WHERE m.page_url = ?1 AND length(b.image_data) > 0 ORDER BY b.width DESC LIMIT 1"),
          host_(db, "SELECT b.width, b.image_data FROM icon_mapping m JOIN favicon_bitmaps b ON b.icon_id = m.icon_id "
                    "WHERE (substr(m.page_url, 1, length(?1)) = ?1 OR substr(m.page_url, 1, length(?2)) = ?2) "
                    "AND length(b.image_data) > 0 ORDER BY b.width DESC LIMIT 1")
    {
    }

    BookmarkIcon Find(const std::string& url)
    {
        if (page_.Bind(1, url).Step()) return {page_.Text(1), false, static_cast<int>(page_.Int(0))};
        const std::string host = AddressHost(url);
        if (!host.empty() && host_.Bind(1, "http://" + host + "/").Bind(2, "https://" + host + "/").Step())
            return {host_.Text(1), false, static_cast<int>(host_.Int(0))};
        return {};
    }

private:
    SqliteQuery page_;
    SqliteQuery host_;
};

void AddIcons(BookmarkNode& node, IconFinder& icons)
{
    for (BookmarkNode& child : node.children) {
        if (child.folder) AddIcons(child, icons);
        else child.icon = icons.Find(child.url);
    }
}

} // namespace

bool AddChromiumBookmarks(std::string_view json, BookmarkNode& top)
{
    const Json document = Json::parse(json, nullptr, false);
    if (document.is_discarded() || !document.is_object()) return false;
    const auto roots = document.find("roots");
    if (roots == document.end() || !roots->is_object()) return false;
    for (const char* name : {"bookmark_bar", "other", "synced"}) {
        const auto root = roots->find(name);
        if (root == roots->end()) continue;
        const std::size_t before = top.children.size();
        AddNode(*root, top, 0);
        if (top.children.size() > before) top.children.back().root = true;
    }
    return true;
}

std::optional<BookmarkNode> ReadChromiumBookmarks(const std::string& profileFolder)
{
    BookmarkNode top;
    top.folder = true;
    bool any = false;
    for (const char* file : {"Bookmarks", "AccountBookmarks"}) {
        const std::string path = profileFolder + file;
        if (!FileExists(path)) continue;
        const std::optional<std::string> json = ReadWholeFile(path);
        if (!json || !AddChromiumBookmarks(*json, top)) return std::nullopt;
        any = true;
    }
    if (!any) return std::nullopt;
    const SqliteCopy favicons(profileFolder + "Favicons");
    if (favicons.IsOpen()) {
        IconFinder icons(favicons);
        AddIcons(top, icons);
    }
    return top;
}
