// The column and entry the user works on in the editor, and the values the editor hands to
// the dialogs it opens.
#pragma once

#include <cstdint>
#include <string>

struct EditorSelection {
    std::int16_t TargetColumn = 1;       // 1 to 6: column of the last action
    std::string CurrentEntryName;        // the picked entry
    std::int16_t TargetColumnCount = 0;  // entries of the column when the new entry dialog opened
    bool EntryFromLibrary = false;
    std::string LibraryImage;
    bool LogoPresent = false;
    std::int16_t CaptureCaller = 0;      // 1 new entry dialog, 2 the editor's picked entry
    std::string LinkBefore;
    std::string InfoBefore;
};
