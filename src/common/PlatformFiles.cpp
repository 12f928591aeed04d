#include "common/PlatformFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

FileWriteStatus WriteFileToDisk(const std::filesystem::path& file, std::string_view bytes, FileOpenMode mode)
{
    const int flags = _O_WRONLY | _O_BINARY | _O_NOINHERIT |
                      (mode == FileOpenMode::CreateNew ? _O_CREAT | _O_EXCL : _O_TRUNC);
    const int fd = _wopen(file.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return errno == EEXIST && mode == FileOpenMode::CreateNew ? FileWriteStatus::AlreadyExists
                                                                   : FileWriteStatus::OpenFailed;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 30);
        const int n = _write(fd, bytes.data() + done, static_cast<unsigned>(chunk));
        if (n <= 0) ok = false;
        else done += static_cast<std::size_t>(n);
    }
    if (ok && _commit(fd) != 0) ok = false;
    if (_close(fd) != 0) ok = false;
    return ok ? FileWriteStatus::Written : FileWriteStatus::WriteFailed;
}

void SyncFolder(const std::filesystem::path&) {}  // NTFS journals the rename itself

bool AccessAllowsWriting(const std::filesystem::path& path) { return _waccess(path.c_str(), 2) == 0; }

long CurrentProcessId() { return static_cast<long>(_getpid()); }

bool ProcessIsRunning(long pid)
{
    if (pid <= 0) return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;  // someone else's process
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}


std::string HostName()
{
    const char* name = std::getenv("COMPUTERNAME");
    return name ? name : "";
}
#else
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

FileWriteStatus WriteFileToDisk(const std::filesystem::path& file, std::string_view bytes, FileOpenMode mode)
{
    const int flags = O_WRONLY | O_CLOEXEC | (mode == FileOpenMode::CreateNew ? O_CREAT | O_EXCL : O_TRUNC);
    const int fd = ::open(file.c_str(), flags, 0666);
    if (fd < 0)
        return errno == EEXIST && mode == FileOpenMode::CreateNew ? FileWriteStatus::AlreadyExists
                                                                   : FileWriteStatus::OpenFailed;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else done += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    // A network or quota file system may report a failed write only here.
    if (::close(fd) != 0) ok = false;
    return ok ? FileWriteStatus::Written : FileWriteStatus::WriteFailed;
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool AccessAllowsWriting(const std::filesystem::path& path) { return ::access(path.c_str(), W_OK) == 0; }

long CurrentProcessId() { return static_cast<long>(::getpid()); }

bool ProcessIsRunning(long pid)
{
    // pid 0 and negative ids would name process groups.
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string HostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}
#endif
