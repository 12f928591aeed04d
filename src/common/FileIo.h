// Whole-file reads and crash-safe rewrites: a new content goes to a temporary file in the same
// folder first, reaches the disk and is renamed over the old file, so a crash or a power cut
// leaves the old or the new file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// A UTF-8 path text as a file system path, on every platform.
std::filesystem::path FsPath(const std::string& utf8Path);
std::string Utf8FromPath(const std::filesystem::path& path);

std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces (or creates) the file with `bytes` in one step. False when anything failed; the
// old file is then untouched and no temporary file is left behind. A read-only file (no write
// bit set, or the access check refuses) is not replaced; a symbolic link is written through; a
// writable file in a folder that is not writable is written in place.
// `FolderSync::Later` leaves the folder's own sync (which makes the rename survive a power cut)
// to the caller, who writes many files and syncs their folder once (SyncFolderOf).
enum class FolderSync { Now, Later };
bool WriteFileAtomically(const std::string& path, std::string_view bytes, FolderSync sync = FolderSync::Now);
void SyncFolderOf(const std::string& path);

// The id of the process that made a temporary file of WriteFileAtomically, from its name
// ("«file name».tmp~«process id»-«number»"); nothing for any other name.
std::optional<long> TempFileProcess(std::string_view fileName);

// Removes the temporary files that a killed program left in the folder (not below it): those
// whose process no longer runs. Another program that is writing keeps its own.
void RemoveStaleTempFiles(const std::string& folder);
