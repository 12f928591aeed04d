// Size and modification time of a file in one system call: what the INI reader checks before
// it trusts its parsed copy of a file. Platform file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// Nullopt when the path is missing or no regular file.
std::optional<FileStamp> GetFileStamp(const std::string& path);
