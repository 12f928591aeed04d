// Pieces shared by the decoration windows (header line, banner and footer lines): their
// owner-drawn buttons with the arrow glyphs, and the chosen list's moves and additions.
#pragma once

#include <QString>

#include <functional>

class QListWidget;
class QVBoxLayout;
class QWidget;
class ccXPButton;

namespace DecorationGlyphs {
inline constexpr const char* Left = "◀";
inline constexpr const char* Right = "▶";
inline constexpr const char* Up = "▲";
inline constexpr const char* Down = "▼";
} // namespace DecorationGlyphs

// A button named `name` (its objectName) with the caption.
ccXPButton* MakeDecorationButton(const char* name, const char* caption, QWidget* parent);

// A list of fixed size named `name`, which is also its accessible name (it has no label).
QListWidget* MakeDecorationList(const char* name, int width, int height, QWidget* parent);

// A square button with one of the arrow glyphs, drawn large enough to be read.
ccXPButton* MakeArrowButton(const char* name, const char* glyph, QWidget* parent);

// The two buttons stacked and centred upright, as the arrow pairs stand between the lists.
QVBoxLayout* ButtonPair(ccXPButton* upper, ccXPButton* lower);

// Runs `action` on a click and once more on a double click, as the up and down buttons do.
void OnClickAndDoubleClick(ccXPButton& button, QWidget& receiver, std::function<void()> action);

// Appends `name` unless an item of the list is exactly equal to it; true when it was appended.
bool AppendOnce(QListWidget& list, const QString& name);

// The texts of the list's items, top first.
QStringList ListTexts(const QListWidget& list);
