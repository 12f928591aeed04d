#include "common/Files.h"

#include "common/FileIo.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

bool FileExists(const std::string& path)
{
    if (path.empty()) return false;
    std::error_code ec;
    const fs::path p = FsPath(path);
    if (fs::is_directory(p, ec)) return false;
    std::ifstream in(p, std::ios::binary);
    return static_cast<bool>(in);
}

bool DirExists(const std::string& path)
{
    if (path.empty()) return false;
    std::string folder = path;
    AddBackslash(folder);
    std::error_code ec;
    // A folder that cannot be listed counts as missing.
    fs::directory_iterator it(FsPath(folder), ec);
    return !ec;
}

bool MakePath(std::string& path)
{
    if (DirExists(path)) return true;
    AddBackslash(path);
    if (path.empty()) return false;
    std::error_code ec;
    fs::create_directories(FsPath(path), ec);
    return DirExists(path);
}

std::string& AddBackslash(std::string& path)
{
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

std::string ParentFolder(std::string path)
{
    if (!path.empty() && path.back() == '/') path.pop_back();
    const std::size_t cut = path.rfind('/');
    if (cut == std::string::npos) return std::string();
    return path.substr(0, cut + 1);
}

bool RemoveFile(const std::string& path)
{
    std::error_code ec;
    fs::remove(FsPath(path), ec);
    return !ec;
}

bool RenameFileNoReplace(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty()) return false;
#ifdef _WIN32
    // _wrename fails when the target exists; it never replaces a file.
    return _wrename(FsPath(from).c_str(), FsPath(to).c_str()) == 0;
#else
    // rename() would silently replace a file of the new name: ask the kernel not to.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return false;
    // A file system without that flag: a hard link fails on an existing name as well.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0) return true;
        ::unlink(to.c_str());
        return false;
    }
    if (errno == EEXIST) return false;
    // No hard links either (FAT): test, then rename. Only a program racing us could slip between.
    std::error_code ec;
    if (fs::exists(fs::symlink_status(FsPath(to), ec))) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
#endif
}

std::string ExpandPathName(const std::string& path)
{
    std::error_code ec;
    const fs::path canonical = fs::canonical(FsPath(path), ec);
    if (ec) return path;
    std::string result = Utf8FromPath(canonical);
    if (!path.empty() && path.back() == '/') AddBackslash(result);
    return result;
}

std::string CapitalisePathName(const std::string& path)
{
    std::string result = path;
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto c = static_cast<unsigned char>(result[i]);
        const bool wordStart = i == 0 || std::string_view(" -(_\\/").find(result[i - 1]) != std::string_view::npos;
        if (c < 0x80) result[i] = static_cast<char>(wordStart ? std::toupper(c) : std::tolower(c));
    }
    return result;
}

bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}
