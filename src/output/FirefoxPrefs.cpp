#include "output/FirefoxPrefs.h"

#include "common/AppPaths.h"
#include "common/FileIo.h"
#include "common/FileLock.h"
#include "common/Files.h"
#include "common/SystemFolders.h"

namespace {

constexpr std::string_view kHomepageKey = R"(user_pref("browser.startup.homepage",)";
// The value stands between the key, a blank and a quote, and a closing quote, bracket and
// semicolon: user_pref("browser.startup.homepage", "X");
constexpr std::size_t kValueStart = kHomepageKey.size() + 2;
constexpr std::size_t kValueTail = 3;

bool IsHomepageLine(std::string_view line) { return line.starts_with(kHomepageKey); }

// Calls `visit` with every line of the bytes, without its LF and a CR before it.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit)
{
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        std::size_t end = bytes.find('\n', begin);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        if (end > begin && bytes[end - 1] == '\r') --end;
        visit(bytes.substr(begin, end - begin));
        begin = next;
    }
}

} // namespace

std::vector<std::string> FirefoxProfileHomes(const AppPaths& paths)
{
#ifdef _WIN32
    return {paths.AppDataFolder + "Mozilla/Firefox/Profiles/"};
#else
    (void)paths;
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    return {home + ".mozilla/firefox/", home + "snap/firefox/common/.mozilla/firefox/",
            home + ".var/app/org.mozilla.firefox/.mozilla/firefox/"};
#endif
}

std::vector<std::string> FindFirefoxPrefs(const AppPaths& paths)
{
    std::vector<std::string> files;
    for (std::string home : FirefoxProfileHomes(paths)) {
        const std::vector<std::string> found = FindFiles(home, "prefs.js");
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

std::string HomepageInPrefs(std::string_view bytes)
{
    std::string page;
    ForEachLine(bytes, [&](std::string_view line) {
        // A line too short to hold the quotes around a value names nothing and changes nothing.
        if (IsHomepageLine(line) && line.size() >= kValueStart + kValueTail)
            page = line.substr(kValueStart, line.size() - kValueStart - kValueTail);
    });
    return page;
}

std::optional<std::string> PrefsWithHomepage(std::string_view bytes, const std::string& page)
{
    std::string result;
    result.reserve(bytes.size() + 64);
    bool found = false;
    ForEachLine(bytes, [&](std::string_view line) {
        if (IsHomepageLine(line)) {
            found = true;
            result.append(kHomepageKey).append(" \"").append(page).append("\");");
        } else {
            result.append(line);
        }
        result += "\r\n";
    });
    if (!found) return std::nullopt;
    return result;
}

bool SetHomepageInPrefsFile(const std::string& file, const std::string& page)
{
    const std::optional<std::string> old = ReadWholeFile(file);
    if (!old) return false;
    const std::optional<std::string> rewritten = PrefsWithHomepage(*old, page);
    if (!rewritten) return true;  // another program's file is changed only where it must be

    std::string copy = file;
    copy.back() = '_';
    WriteFileAtomically(copy, *old);
    const bool written = WriteFileAtomically(file, *rewritten);
    RemoveFile(copy);
    return written;
}

std::string PrefsString(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '"') result += '\\';
        result += c;
    }
    return result;
}

bool FirefoxProfileInUse(const std::string& prefsFile)
{
#ifdef _WIN32
    return FileLockedByOther(ParentFolder(prefsFile) + "parent.lock");
#else
    return FileLockedByOther(ParentFolder(prefsFile) + ".parentlock");
#endif
}
