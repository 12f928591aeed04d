#include "output/ChromiumPrefs.h"

#include "common/FileIo.h"
#include "common/PlatformFiles.h"

#include <filesystem>
#include <system_error>

OrderedJson ChromiumStartPageBackup(const OrderedJson& preferences)
{
    OrderedJson backup = OrderedJson::object();
    for (const char* setting : kChromiumStartPageSettings)
        if (const OrderedJson* value = JsonAt(preferences, setting)) backup[setting] = *value;
    return backup;
}

void SetChromiumStartPage(OrderedJson& preferences, const std::string& address)
{
    JsonSet(preferences, "session.restore_on_startup", 4);  // open the given pages
    JsonSet(preferences, "session.startup_urls", OrderedJson::array({address}));
    JsonSet(preferences, "homepage", address);
    JsonSet(preferences, "homepage_is_newtabpage", false);
    JsonSet(preferences, "browser.show_home_button", true);
}

void RestoreChromiumStartPage(OrderedJson& preferences, const OrderedJson& backup)
{
    for (const char* setting : kChromiumStartPageSettings) {
        const auto saved = backup.find(setting);
        if (saved != backup.end()) JsonSet(preferences, setting, *saved);
        else JsonErase(preferences, setting);
    }
}

bool ChromiumRunning(const UserDataFolder& userData)
{
    std::error_code ec;
    const std::filesystem::path lock = FsPath(userData.folder + "SingletonLock");
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(lock, ec))) return false;
    if (userData.flatpak) return true;
    // The link names "«host»-«process id»".
    const std::string target = Utf8FromPath(std::filesystem::read_symlink(lock, ec));
    const std::size_t dash = target.rfind('-');
    if (ec || dash == std::string::npos || target.substr(0, dash) != HostName()) return false;
    const std::string pid = target.substr(dash + 1);
    if (pid.empty() || pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) return false;
    return ProcessIsRunning(std::stol(pid));
}
