// The rules of the two entry dialogs that are not window plumbing: what a copied text must look like to be taken as an address, storing a new entry in the
// library and the page, and storing a changed link or info text of a placed entry.
#pragma once

#include <functional>
#include <optional>
#include <string>

struct AppPaths;
struct PageState;

// The logo the capture leaves in the library until an entry takes it.
inline constexpr const char* kCapturedLogoName = "_temp.jpg";
// The cut-out as a bitmap, kept by the capture until its JPEG exists.
inline constexpr const char* kCaptureBitmapName = "_temp.bmp";

// True when a copied text is an address to take: it begins with "http://", "https://", "www."
// or "file://", without regard to case (the banner windows' IsPastedLink).
bool LooksLikeAddress(const std::string& text);

// What a copied text gives as address: its first line without the line break and without blanks
// at its end, since a value of the INI files cannot hold a line break.
std::string AddressFromClipboard(const std::string& text);

// A stored entry as the new entry dialog shows it when its name is typed.
struct StoredEntry {
    std::string link;
    std::string info;
    std::string logoPath;  // empty when the entry has no logo file
};
std::optional<StoredEntry> LoadStoredEntry(const AppPaths& paths, const std::string& displayName);

struct NewEntry {
    std::string displayName;
    std::string typedLink;
    std::string typedInfo;
    int column = 1;       // 1 to 6
    int columnCount = 0;  // entries of the column when the dialog opened
};

// Stores a new entry: a new entry file (never over a stored one) with the captured logo moved to
// the entry's logo name, then the entry's keys in the page file and its place in the column.
// `replaceLogo` is asked, with the logo's file name, before a captured logo replaces a logo of
// that name already in the library; without a captured logo an existing one is kept unasked.
void StoreNewEntry(const AppPaths& paths, const PageState& page, const NewEntry& entry,
                   const std::function<bool(const std::string& logoName)>& replaceLogo);

// Removes a captured logo that no entry took; true when none is left.
bool DeleteCapturedLogo(const AppPaths& paths);

// Removes both files of a capture from the library, left by a run that was killed or whose new
// entry dialog was never closed; the window program does it as it starts and as it ends.
void RemoveCaptureLeftovers(const AppPaths& paths);

struct LinkEdit {
    std::string entryName;
    std::string linkBefore;
    std::string infoBefore;
    std::string link;
    std::string info;
    std::string editorLink;  // what the editor's link box of the column shows now
};

// Stores a changed link or info text of a placed entry into the page file and its entry file.
// Nothing is written when neither changed. True when the editor's link box must show the new link.
bool StoreLinkEdit(const AppPaths& paths, const PageState& page, const LinkEdit& edit);
