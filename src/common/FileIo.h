// Whole-file reads and crash-safe rewrites: a new content goes to a temporary file in the same
// folder first and is renamed over the old file, so a crash leaves the old or the new file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A UTF-8 path text as a file system path, on every platform.
std::filesystem::path FsPath(const std::string& utf8Path);
std::string Utf8FromPath(const std::filesystem::path& path);

std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces (or creates) the file with `bytes` in one step. False when anything failed; the
// old file is then untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
