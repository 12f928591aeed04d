#include "common/FileLock.h"

#ifdef _WIN32
#include "common/FileIo.h"

#include <filesystem>
#include <fstream>

bool FileLockedByOther(const std::string& path)
{
    // The owner keeps the file open without sharing it, so opening it fails while it runs.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(FsPath(path), ec)) return false;
    return !std::ifstream(FsPath(path), std::ios::binary);
}

#else
#include <fcntl.h>
#include <unistd.h>

#include <optional>

namespace {

// Whether a lock over the whole file stands in the way of a write lock; nullopt when the
// kernel does not know the query.
std::optional<bool> LockFound(int fd, int query)
{
    struct flock lock {};  // l_pid 0, as the open-file-description query demands
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    if (::fcntl(fd, query, &lock) != 0) return std::nullopt;
    return lock.l_type != F_UNLCK;
}

} // namespace

bool FileLockedByOther(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // The open-file-description query sees every lock, this process's own included; the
    // traditional one, for kernels without it, sees those of other processes.
    std::optional<bool> locked;
#ifdef F_OFD_GETLK
    locked = LockFound(fd, F_OFD_GETLK);
#endif
    if (!locked) locked = LockFound(fd, F_GETLK);
    // Closing drops the traditional locks this process holds on the file; it holds none on a
    // file that another program uses as its lock.
    ::close(fd);
    return locked.value_or(false);
}
#endif
