#include "common/FileList.h"

#include "common/FileIo.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool WildcardMatch(std::string_view name, std::string_view pattern)
{
    // Iterative matcher with one back-tracking point for the last "*".
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n; ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

} // namespace

bool MatchesFilePattern(const std::string& name, const std::string& patterns)
{
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        std::string_view one(patterns.data() + start, end - start);
        while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
        while (!one.empty() && one.back() == ' ') one.remove_suffix(1);
        if (one == "*.*" || one == "*") return true;
        if (!one.empty() && WildcardMatch(name, one)) return true;
        start = end + 1;
    }
    return false;
}

bool FileNameLess(const std::string& a, const std::string& b)
{
    const auto folded = [](const std::string& s) {
        std::string f = s;
        std::transform(f.begin(), f.end(), f.begin(), Fold);
        return f;
    };
    const std::string fa = folded(a), fb = folded(b);
    return fa != fb ? fa < fb : a < b;
}

FileList::FileList(std::string folder, std::string pattern)
    : folder_(std::move(folder)), pattern_(std::move(pattern))
{
    Refresh();
}

void FileList::Refresh()
{
    files_.clear();
    if (folder_.empty()) return;
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(folder_), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = Utf8FromPath(it->path().filename());
        if (MatchesFilePattern(name, pattern_)) files_.push_back(std::move(name));
    }
    std::sort(files_.begin(), files_.end(), FileNameLess);
}
