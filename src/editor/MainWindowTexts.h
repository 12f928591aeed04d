// The German texts of the column editor window, in one place.
#pragma once

#include <array>
#include <utility>

namespace MainWindowTexts {

inline constexpr const char* ColumnFrame = "Spalte %1:";  // %1: column number
inline constexpr const char* LinkLabel = "Link / Adresse:";
inline constexpr const char* PictureLabel = "Bild:";
inline constexpr const char* NoLogo = "hier klicken, um ein Bild einzufangen...";
inline constexpr const char* NewEntry = "Eintrag hinzufügen...";
inline constexpr const char* DeleteTip = "Eintrag entfernen...";
inline constexpr const char* UpTip = "Eintrag 1 Zeile nach oben verschieben";
inline constexpr const char* DownTip = "Eintrag 1 Zeile nach unten verschieben";
inline constexpr const char* ColumnCount = "Spalten Anzahl:";
inline constexpr const char* Preview = "Vorschau";
inline constexpr const char* Save = "Speichern / HTML erstellen";

// "Eintrag '" & name & "' wirklich löschen ?"
inline constexpr const char* DeleteQuestion = "Eintrag '%1' wirklich löschen ?";

inline constexpr const char* MenuHead = "Kopfzeile";
inline constexpr const char* MenuBanner = "Bannerzeile";
inline constexpr const char* MenuFoot = "Fusszeile";
inline constexpr const char* MenuBack = "Hintergrund";
inline constexpr const char* MenuStart = "Startseite";
inline constexpr const char* MenuIE = "für Internet Explorer";
inline constexpr const char* MenuFF = "für Mozilla FireFox";
inline constexpr const char* MenuOP = "für Opera";
// The Chromium family, in the order of kChromiumBrowsers: object name and caption.
inline constexpr std::array<std::pair<const char*, const char*>, 6> MenuChromium = {{
    {"mnuChrome", "für Google Chrome"},
    {"mnuChromium", "für Chromium"},
    {"mnuBrave", "für Brave"},
    {"mnuEdge", "für Microsoft Edge"},
    {"mnuVivaldi", "für Vivaldi"},
    {"mnuOperaNew", "für Opera (ab Version 15)"},
}};
inline constexpr const char* MenuPnw = "Pinwall";
inline constexpr const char* MenuNew = "Neue Link-Seite erstellen";
inline constexpr const char* MenuLoad = "gespeicherte Link-Seite laden";
inline constexpr const char* MenuImport = "Lesezeichen importieren...";
inline constexpr const char* MenuPop = "PopUp";
inline constexpr const char* MenuMove = "Umbewegen in Spalte %1";  // %1: column number
inline constexpr const char* MenuDelete = "Eintrag entfernen";

// Glyphs of the delete, up and down buttons.
inline constexpr const char* DeleteGlyph = "✕";
inline constexpr const char* UpGlyph = "▲";
inline constexpr const char* DownGlyph = "▼";

} // namespace MainWindowTexts
