// Draws the face of the XP-style push button pixel for pixel: border, glow rows, gradients,
// corner pixels, caption and dotted focus rectangle, plus the rounded outline it is clipped to.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

class QPainter;

// The five looks of the button; the numbers are those the button has always used.
enum class XPButtonDrawState { Disabled = 0, Normal = 1, Focused = 2, Hot = 3, Pressed = 4 };

struct XPButtonLook {
    XPButtonDrawState state = XPButtonDrawState::Normal;
    QString caption;        // with "&" marking the access key
    QFont font;
    QColor foreColor;       // caption colour while enabled
    bool focusRect = false; // the button has the focus and wants the dotted rectangle
};

namespace XPButtonPainter {

// Paints the whole face of a button of the given size in device pixels, starting at (0, 0).
void paint(QPainter& painter, QSize size, const XPButtonLook& look);

// The rectangle the caption is centred in and the focus rectangle is drawn on.
QRect captionRect(QSize size);

// The button's outline: its rectangle without the four outermost corner pixels.
QRegion outline(QSize size);

} // namespace XPButtonPainter
