// The program's folders and files, fixed once at start-up and read by every window.
#pragma once

#include <string>

struct AppPaths {
    std::string ProgramFolder;    // folder of the running program, ending in "/"
    std::string ProgramName;      // its file name without a ".exe" ending
    std::string Title;
    std::string SettingsFile;
    std::string PagesFolder;      // Pinwall/: one folder per page
    std::string LibraryFolder;    // Library/: the entry library
    std::string PageFilesFolder;  // PnwFiles/: the page files
    std::string BannerFolder;     // Banner/
    std::string FormsFolder;      // Forms/
    std::string BackFolder;       // Back/
    std::string BannersFile;      // Banner/Banners.txt
    std::string AppDataFolder;    // the user's application data folder
};

inline constexpr const char* kProgramTitle = "Kestrel Pinwall-Builder";

// ProgramFolder and ProgramName from the path of the running program file.
void InitAppPaths(AppPaths& paths, const std::string& programFile);

// Title, SettingsFile and the folders; creates Pinwall/, PnwFiles/, Banner/ and Forms/ where
// missing (Library/ and Back/ are expected to come with the program).
void InitFolders(AppPaths& paths);

// Removes the temporary files that a killed program left in the data folders: the settings
// file's folder, PnwFiles/, Library/, Banner/, Forms/, Back/ and every page folder of Pinwall/
// with its images/. Files of a program that still runs (PinEdit shares Library/) are kept.
void RemoveLeftoverTempFiles(const AppPaths& paths);
