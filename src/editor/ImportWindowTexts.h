// The German texts of the window "Lesezeichen importieren", in one place.
#pragma once

#include <array>

namespace ImportTexts {
inline constexpr const char* Caption = "Lesezeichen importieren";
inline constexpr const char* SourceLabel = "Quelle:";
inline constexpr const char* File = "Lesezeichen-Datei...";
inline constexpr const char* FileDialog = "Lesezeichen-Datei öffnen";
inline constexpr const char* FileFilter = "Lesezeichen (*.html *.htm);;Alle Dateien (*)";
inline constexpr const char* BookmarksLabel = "Lesezeichen:";
inline constexpr std::array<const char*, 4> Headers = {"Name", "Logo", "Adresse", "Status"};
inline constexpr const char* All = "Alle";
inline constexpr const char* None = "Keine";
inline constexpr const char* Ticked = "%1 von %2 neuen ausgewählt";
inline constexpr const char* IntoColumn = "in Spalte";
inline constexpr const char* ColumnChoice = "Spalte";
inline constexpr const char* LibraryOnly = "nur in die Bibliothek";
inline constexpr const char* Import = "Importieren";
inline constexpr const char* Cancel = "Abbrechen";
inline constexpr const char* Progress = "Die Lesezeichen werden übernommen...";
inline constexpr const char* Stop = "Anhalten";

// «n» neu übernommen, «m» schon in der Bibliothek, «d» doppelt, «s» übersprungen.
inline constexpr const char* Summary = "%1 neu übernommen, %2 schon in der Bibliothek, %3 doppelt, %4 übersprungen.  ";
inline constexpr const char* Unreadable = "Die Lesezeichen aus '%1' konnten nicht gelesen werden.   ";
inline constexpr const char* NotWritten = "Diese Einträge konnten nicht geschrieben werden:\n%1   ";
inline constexpr const char* NameTaken =
    "Ein Eintrag dieses Namens ist schon in der Bibliothek oder unter den neuen Lesezeichen.   ";
} // namespace ImportTexts
