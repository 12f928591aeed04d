// The library editor's three checks over its list of entry files: each logs one line per entry
// and stops at the first entry that fails, so that the editor can repair it and a new run goes on.
#pragma once

#include <string>
#include <vector>

enum class LibraryCheck {
    EntryFileName,  // "Eintrag = web.name": the stem of Entry + ".web" is the file's name
    EntryLogoName,  // "Eintrag = pic.name": the stem of Entry + ".jpg" is Image
    Link,           // "Links prüfen...": Link holds at least 8 characters
};

struct LibraryCheckResult {
    std::string log;       // CR LF before every line, so it begins with an empty line
    int failedIndex = -1;  // the list index of the entry that failed; -1 when all passed
};

LibraryCheckResult RunLibraryCheck(LibraryCheck check, const std::string& folder, const std::vector<std::string>& files);
