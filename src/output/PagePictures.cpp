#include "output/PagePictures.h"

#include "common/FileIo.h"
#include "common/Files.h"

#include <filesystem>

namespace fs = std::filesystem;

std::optional<std::string> PictureIn(const std::string& folder, const std::string& name)
{
    if (!IsPlainFileName(name)) return std::nullopt;
    std::string path = folder + name;
    // One status call: a page with thousands of entries asks this for every one of them.
    std::error_code ec;
    if (!fs::is_regular_file(FsPath(path), ec)) return std::nullopt;
    return path;
}

bool CopyPictureIfMissing(const std::string& source, const std::string& target)
{
    std::error_code ec;
    if (fs::exists(FsPath(target), ec)) return true;
    return CopyPictureReplacing(source, target);
}

bool CopyPictureReplacing(const std::string& source, const std::string& target)
{
    const std::optional<std::string> bytes = ReadWholeFile(source);
    if (!bytes) return false;
    return WriteFileAtomically(target, *bytes);
}
