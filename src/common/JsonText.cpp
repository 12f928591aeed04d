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
