// Whether a display name can name an entry: its file stem needs a letter or a digit, and the name
// must fit the files' code page without blanks at either end; a name the library editor stores
// holds no path separator either.
#pragma once

#include <string>

enum class EntryNameProblem {
    None,
    // Outside Windows-1252, a control character, or a blank at either end: the entry and page
    // files could not give the name back as typed.
    NotStorable,
    // The file stem would be empty or punctuation only (".web", "_.web"): its files would have no
    // real name.
    NoLetterOrDigit,
    // "/" or "\": the library editor takes the logo name from the typed name, where a separator
    // would name a file outside the library and cut the entry off from its logo.
    PathSeparator,
};

// The first problem of the name among the first two above; the new entry dialog makes the logo
// name from the stem, which has no separator.
EntryNameProblem FindEntryNameProblem(const std::string& name);

// The same with the separator rule after the first: a name the library editor stores.
EntryNameProblem FindEditedNameProblem(const std::string& name);

// True when the stem (as EntryFileStem gives it) can name the entry's files: it holds a letter
// or a digit and no path separator.
bool IsUsableEntryStem(const std::string& stem);
