// File and folder tests, folder creation and path helpers. Every folder text ends in "/".
#pragma once

#include <string>

bool FileExists(const std::string& path);
bool DirExists(const std::string& path);

// Creates the folder and every missing folder above it; true when it exists afterwards.
bool MakePath(std::string& path);

// Appends "/" when the path does not end in one. An empty path stays empty, so that it never
// turns into the root folder.
std::string& AddBackslash(std::string& path);

// The folder above `path` (the path with or without its final "/"), ending in "/"; empty when
// the path holds no separator.
std::string ParentFolder(std::string path);

// Deletes the file; false when it could not be deleted (a missing file is no failure).
bool RemoveFile(const std::string& path);

// Renames a file without ever replacing another: fails, changing nothing, when `to` exists
// already (as a rename does on Windows). True when the file now has the new name.
bool RenameFileNoReplace(const std::string& from, const std::string& to);

// The full form of the path (symbolic links and "." / ".." resolved) when it exists, else the
// path unchanged: letter case is never changed on a case-sensitive file system.
std::string ExpandPathName(const std::string& path);

// What Windows gives for a path it cannot expand: each word capitalised after a blank, "-",
// "(", "_" or a separator. Used where the file system ignores case.
std::string CapitalisePathName(const std::string& path);

// True when `name` names a file inside a folder and nothing else: not empty, not "." or "..",
// no path separator. Names read from data files must pass this before they reach a path.
bool IsPlainFileName(const std::string& name);
