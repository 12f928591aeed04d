// The platform's system, temporary and special folders, and the recursive file search.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct AppPaths;

// The user's home folder ($HOME, else %USERPROFILE%), ending in "/"; empty when unknown.
std::string HomeFolder();

std::string WindowsFolder();
std::string SystemFolder();
std::string TempFolder();

// Special folder ids as the shell numbers them.
enum SpecialFolderId {
    kFolderDocuments = 5, kFolderFavourites = 6, kFolderStartUp = 7, kFolderSendTo = 9,
    kFolderStartMenu = 11, kFolderDesktop = 16, kFolderFonts = 20, kFolderInternetCache = 32,
    kFolderProgramFiles = 38,
};

// The folder for `id`, ending in "/"; a lone "/" for an id the platform does not know.
std::string SpecialFolder(int id);

// Sets AppDataFolder from the registry's "Shell Folders" value AppData, else the user's
// configuration folder, and returns the quick launch folder below it.
std::string QuickLaunchFolder(AppPaths& paths);

// Fixes the special folders at start-up; of them only AppDataFolder is kept.
void InitFileHandling(AppPaths& paths);

// Lets the user interface handle pending events during long searches (no-op until set).
void SetPendingEventsHandler(std::function<void()> handler);

// Full paths of the files below `folder` that match `pattern`: depth first, sub-folders from
// the last to the first by name, each folder's own files after its sub-folders, sorted by name.
std::vector<std::string> FindFiles(std::string& folder, const std::string& pattern = "*.*");
