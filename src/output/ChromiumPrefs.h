// The start page in the Preferences file of a Chromium-family profile, and whether the browser
// runs with a user data folder.
#pragma once

#include "common/ChromiumProfiles.h"
#include "common/JsonText.h"

#include <string>

// The settings the switch writes (dotted paths into Preferences), each one saved before.
inline constexpr std::array<const char*, 5> kChromiumStartPageSettings = {
    "session.restore_on_startup", "session.startup_urls", "homepage", "homepage_is_newtabpage",
    "browser.show_home_button"};

// The profile's values of those settings, by dotted path; an absent one left out.
OrderedJson ChromiumStartPageBackup(const OrderedJson& preferences);

// The page opened at every start, as home page and behind the home button.
void SetChromiumStartPage(OrderedJson& preferences, const std::string& address);

// Every setting as the backup holds it; one the backup leaves out is removed.
void RestoreChromiumStartPage(OrderedJson& preferences, const OrderedJson& backup);

// True while the browser runs with the user data folder: its SingletonLock link names this host
// and a process that runs. In a flatpak home the process cannot be seen, so any lock counts.
bool ChromiumRunning(const UserDataFolder& userData);
