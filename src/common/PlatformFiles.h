// The few file and process calls that differ between POSIX and Windows: writing a file through
// to the disk, the access check for writing, process ids. Everything else uses std::filesystem.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

enum class FileOpenMode {
    CreateNew,       // make the file; fails with AlreadyExists when any file of the name is there
    ReplaceContent,  // write an existing file in place; a missing file is not created
};

enum class FileWriteStatus { Written, AlreadyExists, OpenFailed, WriteFailed };

// Writes the bytes, flushes them to the disk and closes the file; a failure of any of the three
// is WriteFailed (the file is then left as far as it got: the caller removes it).
FileWriteStatus WriteFileToDisk(const std::filesystem::path& file, std::string_view bytes, FileOpenMode mode);

// Flushes a folder's entries to the disk, so that a rename in it survives a power cut; nothing
// where the platform has no such call.
void SyncFolder(const std::filesystem::path& folder);

// The platform's own check whether this process may write the file or folder. It ignores the
// permission bits for the superuser.
bool AccessAllowsWriting(const std::filesystem::path& path);

long CurrentProcessId();

// False only when surely no process of that id runs.
bool ProcessIsRunning(long pid);

// This computer's name on the network; empty when unknown.
std::string HostName();
