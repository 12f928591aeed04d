// Firefox's start page in the prefs.js files of its profiles: which page a file names,
// rewriting the files, what would undo a change, and whether Firefox runs with a profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The preferences the start page switch reads and writes.
inline constexpr const char* kHomepagePref = "browser.startup.homepage";
inline constexpr const char* kStartupPagePref = "browser.startup.page";

// The start page that the last homepage line of a prefs.js names, as the line spells it
// (escapes included); empty when no line names one.
std::string HomepageInPrefs(std::string_view bytes);

// The value that the last `user_pref("name", …);` line gives, as the line spells it (a string
// with its quotes); nullopt when no line sets the preference.
std::optional<std::string> PrefLiteral(std::string_view bytes, std::string_view name);

// One preference to set: its value as prefs.js spells it, or nullopt to remove its lines.
struct PrefSetting {
    std::string name;
    std::optional<std::string> literal;
};

// The file with every line of each preference set to its new value (or removed), a line
// added at the end for a value the file does not set yet, and every line ending in CR LF; all
// other bytes stay as they were.
std::string PrefsWithSettings(std::string_view bytes, const std::vector<PrefSetting>& settings);

// Rewrites the file with PrefsWithSettings. The new file is written beside the old one and
// renamed over it, so an interrupted rewrite leaves one of the two whole; the prefs.j_ copy
// holds the old content meanwhile and is removed afterwards. A file that would not change is
// not touched. False when the file could not be read or replaced.
bool SetPrefsInFile(const std::string& file, const std::vector<PrefSetting>& settings);

// True when the bytes (a user.js, which Firefox applies at every start) set the start page or
// what Firefox shows at its start.
bool UserJsSetsStartPage(std::string_view bytes);

// The first of the policy files that locks Firefox's home page ("Homepage" with "Locked": true);
// empty when none does.
std::string FirefoxHomepageLockedBy(const std::vector<std::string>& policyFiles);

// Where Firefox reads its policies on this platform: the system folder and the distribution/
// folder of the usual installations and of the Firefox found on the PATH.
std::vector<std::string> FirefoxPolicyFiles();

// A text as a string of prefs.js spells it: backslash and double quote escaped.
std::string PrefsString(const std::string& text);

// True while a Firefox runs with the profile that holds this prefs.js: it keeps a lock on the
// profile's lock file as long as it runs (the file itself stays after it ends).
bool FirefoxProfileInUse(const std::string& prefsFile);
