// Whether a running program holds a lock on a file, for files that mark a program at work (a
// browser profile in use). Platform file.
#pragma once

#include <string>

// True while another open of the file holds a lock on it: on POSIX systems an fcntl lock,
// traditional or open-file-description, of any process; on Windows an open that shares nothing.
// A missing or unreadable file is not locked.
bool FileLockedByOther(const std::string& path);
