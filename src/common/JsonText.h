// JSON of other programs (browser preferences, policies) read and written through nlohmann's
// ordered_json, so that a file written back keeps the order of its keys.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

using OrderedJson = nlohmann::ordered_json;

// The parsed text; nullopt when it is not JSON (comments are not JSON either).
std::optional<OrderedJson> ParseJson(std::string_view text);

// The parsed file; nullopt when it cannot be read or is not JSON.
std::optional<OrderedJson> ReadJsonFile(const std::string& path);

// One line without blanks; every character beyond ASCII as a \u escape, so that the text goes
// unchanged through the system's Windows-1252 files and parses back to the same value.
std::string CompactJson(const OrderedJson& value);

// The text as the browsers write their own files: compact, UTF-8 kept.
std::string JsonFileText(const OrderedJson& value);

// The value at the dotted path ("session.startup_urls"); nullptr when a step is missing or not
// an object.
const OrderedJson* JsonAt(const OrderedJson& root, std::string_view dottedPath);

// Sets the value at the dotted path, making the objects on the way where they are missing (a
// step that is no object is replaced by one). A key that exists keeps its place.
void JsonSet(OrderedJson& root, std::string_view dottedPath, OrderedJson value);

// Removes the value at the dotted path, and every object on the way that is empty then.
void JsonErase(OrderedJson& root, std::string_view dottedPath);
