#include "common/JsonText.h"

#include "common/FileIo.h"

std::optional<OrderedJson> ParseJson(std::string_view text)
{
    OrderedJson value = OrderedJson::parse(text, nullptr, false);
    if (value.is_discarded()) return std::nullopt;
    return value;
}

std::optional<OrderedJson> ReadJsonFile(const std::string& path)
{
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return ParseJson(*bytes);
}

std::string CompactJson(const OrderedJson& value)
{
    return value.dump(-1, ' ', true, OrderedJson::error_handler_t::replace);
}

std::string JsonFileText(const OrderedJson& value)
{
    return value.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

const OrderedJson* JsonAt(const OrderedJson& root, std::string_view dottedPath)
{
    const OrderedJson* node = &root;
    while (true) {
        const std::size_t dot = dottedPath.find('.');
        const std::string step(dottedPath.substr(0, dot));
        if (!node->is_object()) return nullptr;
        const auto found = node->find(step);
        if (found == node->end()) return nullptr;
        node = &*found;
        if (dot == std::string_view::npos) return node;
        dottedPath.remove_prefix(dot + 1);
    }
}

void JsonSet(OrderedJson& root, std::string_view dottedPath, OrderedJson value)
{
    OrderedJson* node = &root;
    while (true) {
        if (!node->is_object()) *node = OrderedJson::object();
        const std::size_t dot = dottedPath.find('.');
        OrderedJson& child = (*node)[std::string(dottedPath.substr(0, dot))];
        if (dot == std::string_view::npos) {
            child = std::move(value);
            return;
        }
        node = &child;
        dottedPath.remove_prefix(dot + 1);
    }
}

void JsonErase(OrderedJson& root, std::string_view dottedPath)
{
    if (!root.is_object()) return;
    const std::size_t dot = dottedPath.find('.');
    const std::string step(dottedPath.substr(0, dot));
    const auto found = root.find(step);
    if (found == root.end()) return;
    if (dot == std::string_view::npos) {
        root.erase(found);
        return;
    }
    JsonErase(*found, dottedPath.substr(dot + 1));
    if (found->is_object() && found->empty()) root.erase(found);
}
