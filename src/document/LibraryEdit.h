// The library editor's work on the entry files of its folder: what selecting an entry shows and
// brings into line with the naming rule, and storing the four values with the logo kept.
#pragma once

#include "document/EntryNameCheck.h"

#include <string>

// Replaces `find` by `replacement` at every position up to the text's original length, in
// characters; a scan goes on at the next position, inside a replacement too. The text comes back
// unchanged when find or replacement is empty or both are equal.
std::string ReplaceText(const std::string& text, const std::string& find, const std::string& replacement);

// Upper-cases (as Windows-1252 does) the first character and every character after a blank, "-",
// "(", "_" or "\"; nothing else changes. In place; also returns the result.
std::string CapitaliseWords(std::string& text);

// The logo name the name box suggests while it is typed in: blanks to underscores, lower case,
// umlauts spelled out, ".jpg". No punctuation is removed yet; selecting the entry does that.
std::string TypedLogoName(const std::string& entryName);

// The display name of an entry file that has none: its name without extension, underscores as
// blanks, every word capitalised.
std::string EntryNameFromFileName(const std::string& file);

// The four values of an entry as the editor's text boxes hold them.
struct EntryValues {
    std::string entry;
    std::string link;
    std::string info;
    std::string image;
};

// What selecting an entry file showed and did.
struct OpenedEntry {
    EntryValues values;        // the text boxes after the selection
    std::string storedImage;   // the logo name the file held before
    std::string logoPath;      // the picture to show, found whatever its case; empty when there is none
    std::string expectedFile;  // the entry file name the display name asks for; empty when its stem is unusable
};

// Reads the entry file `file` of `folder`. A missing display name is made from the file name and
// written; a logo name that differs from the stem's is rewritten, and the entry's own logo renamed
// where EntryLogo allows it, never over another file. A display name whose stem has no letter or digit keeps the stored logo name and
// renames nothing. A vanished file gives empty values and writes nothing.
OpenedEntry OpenLibraryEntry(const std::string& folder, const std::string& file);

// Why a store wrote nothing; all empty when it wrote.
struct StoreResult {
    EntryNameProblem problem = EntryNameProblem::None;  // the files cannot hold the display name
    std::string takenFile;    // the entry file the display name asks for belongs to another entry
    bool gone = false;        // the entry file is no longer there
    bool notWritten = false;  // writing the entry file failed
};

// Writes Link, Image, Info and Entry into the entry file, in this order. When the logo name
// changed, the entry's own logo follows it where EntryLogo allows and the new name is free. A
// display name with a problem, or one whose entry file is another existing file, is refused:
// nothing is written. A failed write renames nothing.
StoreResult StoreLibraryEntry(const std::string& folder, const std::string& file, const EntryValues& values);
