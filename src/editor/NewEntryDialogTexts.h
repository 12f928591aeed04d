// The German texts of the new entry dialog, in one place.
#pragma once

namespace NewEntryTexts {
inline constexpr const char* Caption = "Pinwall - Neuen Eintrag erstellen";
inline constexpr const char* EntryLabel = "Eintrag:";
inline constexpr const char* EntryTip = "z.B. Google";
inline constexpr const char* InfoLabel = "Info Text:";
inline constexpr const char* InfoTip = "z.B. Die beste Suchmaschine";
inline constexpr const char* LinkLabel = "Link / Adresse:";
inline constexpr const char* ExampleAddress = "http://www.google.de";
inline constexpr const char* LinkTip = "z.B.: ";  // followed by the example address
inline constexpr const char* Hint =
    "Den Link bitte aus der Adresszeile des Browsers kopieren oder mit Rechtsklick auf der entsprechenden "
    "Seite und dann Link-Adresse kopieren o.ä. aus dem Kontextmenü anklicken und hier einfügen.";
inline constexpr const char* LogoLabel = "Logo / Grafik:";
inline constexpr const char* PictureTip = "hier klicken, um ein Bild auszuwählen";
inline constexpr const char* NoLogo = "hier klicken, um eine Grafik einzufangen...";
inline constexpr const char* Library = "Link aus Preset-Liste auswählen...";
inline constexpr const char* Capture = "<--  Logo 'einfangen'";
inline constexpr const char* CaptureTip = "einen Bildschirm-Schnappschuss des entsprechenden Logos erstellen";
inline constexpr const char* Cancel = "Abbrechen";
inline constexpr const char* Accept = "Übernehmen";

inline constexpr const char* NoName = "Bitte zuerst einen Namen für den neuen Eintrag angeben. (z.B.: Google)   ";
inline constexpr const char* NoLinkStart = "Bitte noch die erforderliche Link-Adresse kopieren. (z.B.: ";
inline constexpr const char* NoLinkEnd = ")   ";
inline constexpr const char* NoLogoQuestion =
    "Es wurde kein(e) Logo/Grafik erstellt !   \r\n"
    "Der Link wird somit nur als Textlink angezeigt.  \r\n"
    "Man kann aber später immer noch ein Logo erstellen.  \r\n"
    "\r\n"
    "Soll das erstmal so übernommen werden ?  \r\n";
inline constexpr const char* ReplaceLogoStart = "Bereits vorhandene Logo-Datei '";
inline constexpr const char* ReplaceLogoEnd = "' durch die neu eingefangene ersetzen ? ";
inline constexpr const char* NoLetterOrDigit = "Der Name muss mindestens einen Buchstaben oder eine Ziffer enthalten.   ";
inline constexpr const char* NotStorable =
    "Der Name darf nur Zeichen des westeuropäischen Zeichensatzes enthalten und nicht mit einem "
    "Leerzeichen beginnen oder enden.   ";
} // namespace NewEntryTexts
