// Whether a display name can name an entry: its file stem needs a letter or a digit, and the name
// must fit the files' code page without blanks at either end.
#pragma once

#include <string>

enum class EntryNameProblem {
    None,
    NoLetterOrDigit,        // the stem would be empty or punctuation only (".web", "_.web")
    NotWesternOrPadded,     // a character outside Windows-1252, or a blank at the start or end
};

// The first problem of the name, in the order above.
EntryNameProblem FindEntryNameProblem(const std::string& name);

// True when the stem (as EntryFileStem gives it) can name the entry's files: it holds a letter
// or a digit and no path separator.
bool IsUsableEntryStem(const std::string& stem);
