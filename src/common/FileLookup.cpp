#include "common/FileLookup.h"

#include "common/FileIo.h"
#include "common/FileList.h"
#include "common/Files.h"
#include "common/NameRules.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool IsRegularFile(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(FsPath(path), ec);
}

} // namespace

int FindNameAnyCase(const std::vector<std::string>& names, const std::string& name)
{
    if (name.empty()) return -1;
    int blind = -1;
    const std::string wanted = LowerCaseCp1252(name);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int>(i);
        if (blind < 0 && LowerCaseCp1252(names[i]) == wanted) blind = static_cast<int>(i);
    }
    return blind;
}

std::optional<std::string> AnyCaseFolder::Find(const std::string& name) const
{
    if (!IsPlainFileName(name)) return std::nullopt;
    if (IsRegularFile(folder_ + name)) return folder_ + name;
    if (!files_) files_ = FileList(folder_, "*.*").Files();
    // The exact name was missed above; a name the listing holds in another case is left.
    const int found = FindNameAnyCase(*files_, name);
    if (found < 0) return std::nullopt;
    return folder_ + (*files_)[static_cast<std::size_t>(found)];
}

std::optional<std::string> FindFileAnyCase(const std::string& folder, const std::string& name)
{
    return AnyCaseFolder(folder).Find(name);
}
