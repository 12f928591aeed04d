#include "common/FileStamp.h"

#ifdef _WIN32
#include "common/FileIo.h"

#include <filesystem>

std::optional<FileStamp> GetFileStamp(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p = FsPath(path);
    if (!fs::is_regular_file(p, ec)) return std::nullopt;
    const auto size = fs::file_size(p, ec);
    if (ec) return std::nullopt;
    const auto time = fs::last_write_time(p, ec);
    if (ec) return std::nullopt;
    return FileStamp{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

#else
#include <sys/stat.h>

std::optional<FileStamp> GetFileStamp(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}
#endif
