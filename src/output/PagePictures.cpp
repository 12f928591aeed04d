#include "output/PagePictures.h"

#include "common/FileIo.h"
#include "common/Files.h"

#include <filesystem>

namespace fs = std::filesystem;

ImagesFolder::ImagesFolder(std::string folder) : folder_(std::move(folder))
{
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(folder_), ec), end; !ec && it != end; it.increment(ec))
        names_.insert(Utf8FromPath(it->path().filename()));
    listed_ = !ec;
}

void ImagesFolder::CopyIfMissing(const std::string& source, const std::string& name)
{
    // Without a complete listing any name may be taken: a copy could replace a picture there.
    if (!listed_ || names_.contains(name)) return;
    CopyReplacing(source, name);
}

void ImagesFolder::CopyReplacing(const std::string& source, const std::string& name)
{
    if (!IsPlainFileName(name)) return;
    const std::optional<std::string> bytes = ReadWholeFile(source);
    if (bytes && WriteFileAtomically(folder_ + name, *bytes)) names_.insert(name);
}
