// Firefox's start page in the prefs.js files of its profiles: where the profiles are, which
// page a file names, rewriting the files, and whether Firefox runs with a profile.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AppPaths;

// The folders below which this platform's Firefox keeps its profiles, in search order: on
// Linux the usual home, then the snap and the flatpak homes.
std::vector<std::string> FirefoxProfileHomes(const AppPaths& paths);

// Every prefs.js below the homes that exist, home by home, each in FindFiles order.
std::vector<std::string> FindFirefoxPrefs(const AppPaths& paths);

// The start page that the last homepage line of a prefs.js names, as the line spells it
// (escapes included); empty when no line names one.
std::string HomepageInPrefs(std::string_view bytes);

// The file with every homepage line naming `page` (spelt as the file spells it) and every line
// ending in CR LF, all other bytes as they were; nullopt when no line names a homepage.
std::optional<std::string> PrefsWithHomepage(std::string_view bytes, const std::string& page);

// Rewrites the file with PrefsWithHomepage. The new file is written beside the old one and
// renamed over it, so an interrupted rewrite leaves one of the two whole; the prefs.j_ copy
// holds the old content meanwhile and is removed afterwards. A file that names no homepage is
// not touched. False when the file could not be read or replaced.
bool SetHomepageInPrefsFile(const std::string& file, const std::string& page);

// A text as a string of prefs.js spells it: backslash and double quote escaped.
std::string PrefsString(const std::string& text);

// True while a Firefox runs with the profile that holds this prefs.js: it keeps a lock on the
// profile's lock file as long as it runs (the file itself stays after it ends).
bool FirefoxProfileInUse(const std::string& prefsFile);
