#include "common/ChromiumProfiles.h"

#include "common/FileIo.h"
#include "common/Files.h"
#include "common/JsonText.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

// Where a browser keeps its user data: folders below the configuration folder, the snap home's
// folder below the home, the flatpak id.
struct Places {
    std::vector<const char*> config;
    const char* snap;
    const char* flatpak;
};

Places PlacesOf(BrowserKind kind)
{
    switch (kind) {
    case BrowserKind::Chrome:
        return {{"google-chrome", "google-chrome-beta", "google-chrome-unstable"}, nullptr, "com.google.Chrome"};
    case BrowserKind::Chromium: return {{"chromium"}, "snap/chromium/common/chromium", "org.chromium.Chromium"};
    case BrowserKind::Brave: return {{"BraveSoftware/Brave-Browser"}, nullptr, "com.brave.Browser"};
    case BrowserKind::Edge: return {{"microsoft-edge"}, nullptr, "com.microsoft.Edge"};
    case BrowserKind::Vivaldi: return {{"vivaldi"}, nullptr, "com.vivaldi.Vivaldi"};
    case BrowserKind::OperaNew: return {{"opera"}, nullptr, "com.opera.Opera"};
    case BrowserKind::Firefox: break;
    }
    return {{}, nullptr, nullptr};
}

// The number of a "Profile N" folder; -1 for "Default", nullopt for any other name.
std::optional<long> ProfileFolderNumber(const std::string& name)
{
    if (name == "Default") return -1;
    if (!name.starts_with("Profile ") || name.size() == 8 || name.size() > 17) return std::nullopt;
    for (std::size_t i = 8; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
    return std::stol(name.substr(8));
}

// The profile folders by their names alone, Default first.
std::vector<std::string> ProfileFoldersByName(const std::string& userData)
{
    std::vector<std::pair<long, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(FsPath(userData), ec)) {
        const std::string name = Utf8FromPath(entry.path().filename());
        if (const std::optional<long> number = ProfileFolderNumber(name)) found.emplace_back(*number, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [number, name] : found) names.push_back(std::move(name));
    return names;
}

} // namespace

const ChromiumBrowser& ChromiumBrowserOf(BrowserKind kind)
{
    for (const ChromiumBrowser& browser : kChromiumBrowsers)
        if (browser.kind == kind) return browser;
    return kChromiumBrowsers[1];
}

std::vector<UserDataFolder> ChromiumUserDataFolders(BrowserKind kind, const UserFolders& folders)
{
    if (folders.home.empty()) return {};
    const std::string config = folders.configHome.empty() ? folders.home + ".config/" : folders.configHome;
    const Places places = PlacesOf(kind);
    std::vector<UserDataFolder> candidates;
    for (const char* folder : places.config) candidates.push_back({config + folder + "/", false});
    if (places.snap) candidates.push_back({folders.home + places.snap + "/", false});
    if (places.flatpak) {
        for (const char* folder : places.config)
            candidates.push_back({folders.home + ".var/app/" + places.flatpak + "/config/" + folder + "/", true});
    }
    std::vector<UserDataFolder> existing;
    for (UserDataFolder& candidate : candidates)
        if (DirExists(candidate.folder)) existing.push_back(std::move(candidate));
    return existing;
}

std::vector<BrowserProfile> ListChromiumProfiles(BrowserKind kind, const UserFolders& folders)
{
    const std::string browserName = ChromiumBrowserOf(kind).name;
    std::vector<BrowserProfile> profiles;
    const auto add = [&](const std::string& folder, const std::string& name) {
        if (FileExists(folder + "Preferences")) profiles.push_back({kind, browserName + " – " + name, folder});
    };
    for (const UserDataFolder& userData : ChromiumUserDataFolders(kind, folders)) {
        if (kind == BrowserKind::OperaNew) {
            add(userData.folder, "Standard");
            continue;
        }
        const std::optional<OrderedJson> localState = ReadJsonFile(userData.folder + "Local State");
        const OrderedJson* cache = localState ? JsonAt(*localState, "profile.info_cache") : nullptr;
        if (cache && cache->is_object()) {
            for (const auto& [folderName, info] : cache->items()) {
                if (!IsPlainFileName(folderName)) continue;
                const auto name = info.is_object() ? info.find("name") : info.end();
                add(userData.folder + folderName + "/",
                    name != info.end() && name->is_string() ? name->get<std::string>() : folderName);
            }
        } else {
            for (const std::string& folderName : ProfileFoldersByName(userData.folder))
                add(userData.folder + folderName + "/", folderName);
        }
    }
    return profiles;
}
