// Which logo is an entry file's own, and when the library editor and the library browser may
// delete or rename it: only a plain ".jpg" name of the library that no other entry file names as
// its own logo. So deleting or renaming one entry never takes another entry's logo, an entry
// file or the program with it.
#pragma once

#include <string>

// A plain file name ending in ".jpg" in any case: no path separator, not "." or "..".
bool IsLogoName(const std::string& name);

// The logo an entry file calls its own: `imageKey`, its Image value, or without one the file's
// name without ".web" followed by ".jpg".
std::string OwnLogoName(const std::string& entryFile, const std::string& imageKey);

// The same, with the Image value read from the entry file `entryFile` of `folder`.
std::string EntryOwnLogo(const std::string& folder, const std::string& entryFile);

// True when the entry `entryFile` may delete or rename `logo`: a logo name that no other entry
// file of `folder` names as its own logo, compared without regard to case as look-ups find it.
bool MayReleaseLogo(const std::string& folder, const std::string& entryFile, const std::string& logo);

// What deleting an entry left behind.
struct EntryDeletion {
    std::string logo;        // the logo deleted with the entry file; empty when it was kept
    std::string failedFile;  // the file that could not be deleted; empty when all went
};

// Deletes the entry file, then its own logo where MayReleaseLogo allows. When the entry file
// cannot be deleted, the logo stays with it.
EntryDeletion DeleteLibraryEntry(const std::string& folder, const std::string& entryFile);
