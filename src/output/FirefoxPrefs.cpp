#include "output/FirefoxPrefs.h"

#include "common/FileIo.h"
#include "common/FileLock.h"
#include "common/Files.h"
#include "common/JsonText.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::string_view kHomepageKey = R"(user_pref("browser.startup.homepage",)";
// The value stands between the key, a blank and a quote, and a closing quote, bracket and
// semicolon: user_pref("browser.startup.homepage", "X");
constexpr std::size_t kValueStart = kHomepageKey.size() + 2;
constexpr std::size_t kValueTail = 3;

bool IsHomepageLine(std::string_view line) { return line.starts_with(kHomepageKey); }

// How Firefox begins the line of a preference in prefs.js: user_pref("name",
std::string PrefLinePrefix(std::string_view name) { return "user_pref(\"" + std::string(name) + "\","; }

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

std::optional<std::string> PrefLiteral(std::string_view bytes, std::string_view name)
{
    const std::string prefix = PrefLinePrefix(name);
    std::optional<std::string> literal;
    ForEachLine(bytes, [&](std::string_view line) {
        if (!line.starts_with(prefix) || !line.ends_with(");")) return;
        line = line.substr(prefix.size(), line.size() - prefix.size() - 2);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        literal = std::string(line);
    });
    return literal;
}

std::string PrefsWithSettings(std::string_view bytes, const std::vector<PrefSetting>& settings)
{
    std::string result;
    result.reserve(bytes.size() + 128);
    std::vector<bool> found(settings.size(), false);
    const auto append = [&result](const PrefSetting& setting) {
        result.append(PrefLinePrefix(setting.name)).append(" ").append(*setting.literal).append(");\r\n");
    };
    ForEachLine(bytes, [&](std::string_view line) {
        for (std::size_t i = 0; i < settings.size(); ++i) {
            if (!line.starts_with(PrefLinePrefix(settings[i].name))) continue;
            found[i] = true;
            if (settings[i].literal) append(settings[i]);
            return;
        }
        result.append(line).append("\r\n");
    });
    for (std::size_t i = 0; i < settings.size(); ++i)
        if (!found[i] && settings[i].literal) append(settings[i]);
    return result;
}

bool SetPrefsInFile(const std::string& file, const std::vector<PrefSetting>& settings)
{
    const std::optional<std::string> old = ReadWholeFile(file);
    if (!old) return false;
    const std::string rewritten = PrefsWithSettings(*old, settings);
    if (rewritten == *old) return true;  // another program's file is changed only where it must be

    std::string copy = file;
    copy.back() = '_';
    WriteFileAtomically(copy, *old);
    const bool written = WriteFileAtomically(file, rewritten);
    RemoveFile(copy);
    return written;
}

bool UserJsSetsStartPage(std::string_view bytes)
{
    bool sets = false;
    ForEachLine(bytes, [&sets](std::string_view line) {
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        for (const char* name : {kHomepagePref, kStartupPagePref}) {
            std::string_view rest = line;
            if (!rest.starts_with("user_pref(")) continue;
            rest.remove_prefix(10);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            const std::string quoted = std::string("\"") + name + "\"";
            if (!rest.starts_with(quoted)) continue;
            rest.remove_prefix(quoted.size());
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            if (rest.starts_with(',')) sets = true;
        }
    });
    return sets;
}

std::string FirefoxHomepageLockedBy(const std::vector<std::string>& policyFiles)
{
    for (const std::string& file : policyFiles) {
        const std::optional<OrderedJson> policies = ReadJsonFile(file);
        if (!policies) continue;
        const OrderedJson* locked = JsonAt(*policies, "policies.Homepage.Locked");
        if (locked && locked->is_boolean() && locked->get<bool>()) return file;
    }
    return {};
}

std::vector<std::string> FirefoxPolicyFiles()
{
#ifdef _WIN32
    return {};
#else
    std::vector<std::string> files = {"/etc/firefox/policies/policies.json",
                                      "/usr/lib/firefox-esr/distribution/policies.json",
                                      "/usr/lib/firefox/distribution/policies.json",
                                      "/usr/lib64/firefox/distribution/policies.json",
                                      "/opt/firefox/distribution/policies.json"};
    // A Firefox unpacked anywhere: the folder of the program that the PATH finds.
    if (const char* path = std::getenv("PATH")) {
        std::string_view rest = path;
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const std::string folder(rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
            for (const char* program : {"firefox", "firefox-esr"}) {
                const std::string candidate = folder + "/" + program;
                if (!FileExists(candidate)) continue;
                const std::string real = ExpandPathName(candidate);
                const std::string policies = ParentFolder(real) + "distribution/policies.json";
                if (std::find(files.begin(), files.end(), policies) == files.end()) files.push_back(policies);
            }
        }
    }
    return files;
#endif
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
