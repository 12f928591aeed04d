#include "document/FirefoxBookmarks.h"

#include "document/BookmarkRules.h"
#include "document/BookmarksFile.h"
#include "document/SqliteCopy.h"

#include <map>

namespace {

constexpr int kTypeBookmark = 1;
constexpr int kTypeFolder = 2;
constexpr int kSvgWidth = 65535;

const char* const kRoots[] = {"menu________", "toolbar_____", "unfiled_____", "mobile______"};

bool LooksLikeSvg(const std::string& data)
{
    const std::string head = data.substr(0, 256);
    return head.find("<svg") != std::string::npos || head.find("<?xml") != std::string::npos;
}

struct Item {
    std::int64_t id = 0;
    int type = 0;
    std::string title;
    std::string url;
    std::string description;
};

// The icons of pages, each way of finding them one query.
class IconFinder {
public:
    explicit IconFinder(const SqliteCopy& db)
        : page_(db, "SELECT i.width, i.icon_url, i.data FROM moz_pages_w_icons p "
                    "JOIN moz_icons_to_pages ip ON ip.page_id = p.id JOIN moz_icons i ON i.id = ip.icon_id "
                    "WHERE p.page_url = ?1"),
          host_(db, "SELECT i.width, i.icon_url, i.data FROM moz_pages_w_icons p "
                    "JOIN moz_icons_to_pages ip ON ip.page_id = p.id JOIN moz_icons i ON i.id = ip.icon_id "
                    "WHERE substr(p.page_url, 1, length(?1)) = ?1 OR substr(p.page_url, 1, length(?2)) = ?2"),
          root_(db, "SELECT width, icon_url, data FROM moz_icons WHERE root = 1 AND "
                    "(substr(icon_url, 1, length(?1)) = ?1 OR substr(icon_url, 1, length(?2)) = ?2)")
    {
    }

    // The exact page, the page without its fragment, any page of the host, the host's root icon.
    BookmarkIcon Find(const std::string& url)
    {
        std::vector<FirefoxIconRow> rows = Rows(page_.Bind(1, url));
        const std::size_t hash = url.find('#');
        if (rows.empty() && hash != std::string::npos) rows = Rows(page_.Bind(1, url.substr(0, hash)));
        const std::string host = AddressHost(url);
        if (rows.empty() && !host.empty()) rows = Rows(host_.Bind(1, "http://" + host + "/").Bind(2, "https://" + host + "/"));
        if (rows.empty() && !host.empty()) rows = Rows(root_.Bind(1, "http://" + host + "/").Bind(2, "https://" + host + "/"));
        return ChooseFirefoxIcon(rows);
    }

private:
    static std::vector<FirefoxIconRow> Rows(SqliteQuery& query)
    {
        std::vector<FirefoxIconRow> rows;
        while (query.Step()) rows.push_back({static_cast<int>(query.Int(0)), query.Text(1), query.Text(2)});
        return rows;
    }

    SqliteQuery page_;
    SqliteQuery host_;
    SqliteQuery root_;
};

void AddChildren(BookmarkNode& node, std::int64_t parent, const std::multimap<std::int64_t, Item>& byParent,
                 IconFinder* icons, int depth)
{
    if (depth > 100) return;  // a damaged file whose folders hold each other
    const auto range = byParent.equal_range(parent);
    for (auto it = range.first; it != range.second; ++it) {
        const Item& item = it->second;
        BookmarkNode child;
        child.title = DecodeHtmlEntities(item.title);
        if (item.type == kTypeFolder) {
            child.folder = true;
            AddChildren(child, item.id, byParent, icons, depth + 1);
        } else {
            if (item.url.starts_with("place:")) continue;  // a query: a view of other bookmarks
            child.url = item.url;
            child.description = item.description;
            if (icons) child.icon = icons->Find(item.url);
        }
        node.children.push_back(std::move(child));
    }
}

} // namespace

BookmarkIcon ChooseFirefoxIcon(const std::vector<FirefoxIconRow>& icons)
{
    const FirefoxIconRow* raster = nullptr;
    const FirefoxIconRow* svg = nullptr;
    for (const FirefoxIconRow& row : icons) {
        if (row.data.empty()) continue;
        if (row.width == kSvgWidth || LooksLikeSvg(row.data)) {
            if (!svg) svg = &row;
        } else if (!raster || row.width > raster->width) {
            raster = &row;
        }
    }
    BookmarkIcon icon;
    if (raster) icon = {raster->data, false, raster->width};
    else if (svg) icon = {svg->data, true, 0};
    return icon;
}

std::optional<BookmarkNode> ReadFirefoxBookmarks(const std::string& profileFolder)
{
    const SqliteCopy places(profileFolder + "places.sqlite");
    SqliteQuery query(places,
                      "SELECT b.id, b.type, b.parent, b.title, b.guid, p.url, p.title, p.description "
                      "FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk "
                      "ORDER BY b.parent, b.position, b.id");
    if (!query.Ok()) return std::nullopt;

    std::multimap<std::int64_t, Item> byParent;
    std::map<std::string, std::pair<std::int64_t, std::string>> roots;
    while (query.Step()) {
        Item item;
        item.id = query.Int(0);
        item.type = static_cast<int>(query.Int(1));
        if (item.type != kTypeBookmark && item.type != kTypeFolder) continue;  // separators
        // Firefox shows the page's title where the bookmark has none.
        item.title = query.IsNull(3) ? query.Text(6) : query.Text(3);
        item.url = query.Text(5);
        item.description = query.Text(7);
        roots.emplace(query.Text(4), std::pair(item.id, item.title));
        byParent.emplace(query.Int(2), std::move(item));
    }

    const SqliteCopy favicons(profileFolder + "favicons.sqlite");
    IconFinder finder(favicons);
    BookmarkNode top;
    top.folder = true;
    for (const char* guid : kRoots) {
        const auto root = roots.find(guid);
        if (root == roots.end()) continue;
        BookmarkNode folder;
        folder.folder = true;
        folder.root = true;
        folder.title = root->second.second;
        AddChildren(folder, root->second.first, byParent, favicons.IsOpen() ? &finder : nullptr, 0);
        top.children.push_back(std::move(folder));
    }
    return top;
}
