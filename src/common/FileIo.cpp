#include "common/FileIo.h"

#include <atomic>
#include <random>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

fs::path FsPath(const std::string& utf8Path)
{
    return fs::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

std::string Utf8FromPath(const fs::path& path)
{
    const std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::error_code ec;
    if (fs::is_directory(FsPath(path), ec)) return std::nullopt;
    std::ifstream in(FsPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), size);
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    // Two programs may rewrite the same file: the temporary name carries a per-process tag.
    static const unsigned processTag = std::random_device{}();
    static std::atomic<unsigned> counter{0};
    const fs::path target = FsPath(path);
    if (target.filename().empty()) return false;
    fs::path temp = target;
    temp += ".tmp~" + std::to_string(processTag) + "-" + std::to_string(counter++);

    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    // Keep the permissions of the file being replaced.
    const fs::file_status oldStatus = fs::status(target, ec);
    if (!ec && fs::is_regular_file(oldStatus))
        fs::permissions(temp, oldStatus.permissions(), fs::perm_options::replace, ec);
    if (fs::is_directory(target, ec)) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}
