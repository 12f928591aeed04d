// Placing windows on the screen (centring, the top-most band), the program's message box, and the
// named push buttons of the windows.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

// Positions and sizes of the placement rules are in twips, 15 to the pixel (96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

struct TwipsPosition {
    int top = 0;
    int left = 0;
};

// Where CenterForm puts a window, all in twips: centred horizontally, and vertically within the
// upper 85 % of the screen; never above or left of the screen's edge.
TwipsPosition CenterPositionTwips(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// Moves the widget's window (with its frame) to CenterPositionTwips on the screen it is on. The
// screen is the screen's full geometry, not its available part: a window centres on the whole
// screen, task bars included.
void CenterForm(QWidget& window);

// Keeps the widget's window above other windows, without moving or resizing it, then lets pending
// events run. On Wayland, which lets no window stay above others, it keeps the window in front
// of the program's active window instead (KeepInFrontOf).
void MakeTopmost(QWidget& window);

// True when the program runs as a native Wayland client.
bool OnWayland();

// On Wayland: makes `owner`'s window the transient parent of the widget's window, which the
// desktop keeps in front of it. Only before the window is shown; elsewhere, and without an
// owner, nothing happens.
void KeepInFrontOf(QWidget& window, QWidget* owner);

// Shows a message box of the given kind (1 information, 2 warning, 3 critical, 4 question; any
// other kind shows nothing) through the desktop service. An empty title is first replaced by the
// default title, in the caller's variable.
void ShowMessage(const QString& text, int kind, QString& title);

// The same with the default title.
void ShowMessage(const QString& text, int kind);

// A push button of `parent` with a UTF-8 caption, under the object name that tests and assistive
// technology find it by.
QPushButton* MakePushButton(const char* name, const char* caption, QWidget* parent);
