#include "common/FileIo.h"

#include "common/PlatformFiles.h"

#include <atomic>
#include <charconv>
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

namespace {

// A file or folder counts as read-only when none of its write bits is set, even for the
// superuser, whom the access check lets write anything.
bool IsWritable(const fs::path& path, const fs::file_status& status)
{
    const fs::perms writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & writeBits) != fs::perms::none && AccessAllowsWriting(path);
}

// The file a symbolic link finally names (the path itself when it is no link); a dangling link
// names the file that writing creates.
fs::path ThroughLinks(fs::path path)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

constexpr std::string_view kTempMark = ".tmp~";

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, FolderSync sync)
{
    static std::atomic<unsigned> counter{0};
    if (FsPath(path).filename().empty()) return false;
    const fs::path target = ThroughLinks(FsPath(path));
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();

    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool exists = fs::exists(old);
    if (exists && (!fs::is_regular_file(old) || !IsWritable(target, old))) return false;
    if (!IsWritable(folder, fs::status(folder, ec))) {
        // No temporary file can be made here: an existing file is written in place.
        return exists && WriteFileToDisk(target, bytes, FileOpenMode::ReplaceContent) == FileWriteStatus::Written;
    }

    // The process id in the name tells the start-up clean-up whose file it is. A name can be
    // taken by a killed program that had the same id: the next number is tried then.
    fs::path temp;
    FileWriteStatus written = FileWriteStatus::AlreadyExists;
    for (int attempt = 0; attempt < 100 && written == FileWriteStatus::AlreadyExists; ++attempt) {
        temp = target;
        temp += std::string(kTempMark) + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++);
        written = WriteFileToDisk(temp, bytes, FileOpenMode::CreateNew);
    }
    if (written != FileWriteStatus::Written) {
        if (written == FileWriteStatus::WriteFailed) fs::remove(temp, ec);
        return false;
    }
    // Keep the permissions of the file being replaced.
    if (exists) fs::permissions(temp, old.permissions(), fs::perm_options::replace, ec);
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    if (sync == FolderSync::Now) SyncFolder(folder);
    return true;
}

void SyncFolderOf(const std::string& path)
{
    const fs::path folder = FsPath(path).parent_path();
    SyncFolder(folder.empty() ? fs::path(".") : folder);
}

std::optional<long> TempFileProcess(std::string_view fileName)
{
    const std::size_t mark = fileName.rfind(kTempMark);
    if (mark == std::string_view::npos || mark == 0) return std::nullopt;
    const std::string_view tail = fileName.substr(mark + kTempMark.size());
    const std::size_t dash = tail.find('-');
    if (dash == std::string_view::npos || dash + 1 == tail.size()) return std::nullopt;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (i != dash && (tail[i] < '0' || tail[i] > '9')) return std::nullopt;
    }
    long pid = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + dash, pid);
    if (error != std::errc() || end != tail.data() + dash || pid <= 0) return std::nullopt;
    return pid;
}

void RemoveStaleTempFiles(const std::string& folder)
{
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<long> pid = TempFileProcess(Utf8FromPath(it->path().filename()));
        if (!pid || *pid == CurrentProcessId() || ProcessIsRunning(*pid)) continue;
        std::error_code removeError;
        if (it->is_regular_file(removeError)) fs::remove(it->path(), removeError);
    }
}
