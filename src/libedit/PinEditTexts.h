// The German texts of PinEdit's two windows, in one place.
#pragma once

namespace pinedit {

// The program's title: the caption of its message boxes.
inline constexpr const char* kTitle = "PinEdit";

inline constexpr const char* kEditorCaption = "Marl's .web Library Editor";
inline constexpr const char* kEntryLabel = "Eintrag:";
inline constexpr const char* kLinkLabel = "Link:";
inline constexpr const char* kInfoLabel = "Info (optional):";
inline constexpr const char* kImageLabel = "Image:";
inline constexpr const char* kStore = ".web File aktualisieren";
inline constexpr const char* kDelete = "Image + .web File LÖSCHEN !";
inline constexpr const char* kCheck = "prüfen...";
// "'" + entry file + "' und dazugehörende Image-Datei löschen ?"
inline constexpr const char* kDeleteQuestion = "'%1' und dazugehörende Image-Datei löschen ?";
inline constexpr const char* kNameNeedsLetter = "Der Name muss mindestens einen Buchstaben oder eine Ziffer enthalten.   ";
// "Datei '" + entry file of another entry + "' existiert bereits. Bitte Bezeichnung ändern.   "
inline constexpr const char* kNameOfOtherEntry = "Datei '%1' existiert bereits. Bitte Bezeichnung ändern.   ";
inline constexpr const char* kNameNotWestern =
    "Der Name darf nur Zeichen des westeuropäischen Zeichensatzes enthalten und nicht mit einem Leerzeichen "
    "beginnen oder enden.   ";
inline constexpr const char* kNameHasSeparator = "Der Name darf die Zeichen / und \\ nicht enthalten.   ";
// "Die Datei '" + entry file + "' konnte nicht geschrieben werden.   "
inline constexpr const char* kNotWritten = "Die Datei '%1' konnte nicht geschrieben werden.   ";
// "Die Datei '" + file + "' konnte nicht gelöscht werden.   "
inline constexpr const char* kNotDeleted = "Die Datei '%1' konnte nicht gelöscht werden.   ";

inline constexpr const char* kCheckCaption = "prüfen";
inline constexpr const char* kCheckFileNames = "Eintrag = web.name";
inline constexpr const char* kCheckLogoNames = "Eintrag = pic.name";
inline constexpr const char* kCheckLinks = "Links prüfen...";

} // namespace pinedit
