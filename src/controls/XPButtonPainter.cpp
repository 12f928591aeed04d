// Draws the face of the XP-style push button pixel for pixel.
#include "controls/XPButtonPainter.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <vector>

namespace {

struct StateColours {
    QRgb border;
    QRgb top1, top2;       // the two rows under the top border
    QRgb bottom1, bottom2; // the two rows over the bottom border
    QRgb ringTop, ringBottom;
    QRgb flatFace; // disabled and pressed faces are flat, without rows and gradients
    QRgb k1, k2, k3;
};

constexpr QRgb kDarkBlue = 0x003C74;
constexpr QRgb kK1 = 0x215584, kK2 = 0x7B96AD, kK3 = 0x527DA5;

constexpr StateColours kColours[] = {
    // disabled
    {0xC9C7BA, 0, 0, 0, 0, 0, 0, 0xF5F4EA, 0xC4B18C, 0xCEC7BD, 0xC4B18C},
    // normal
    {kDarkBlue, 0xFFFFFF, 0xFEFEFE, 0xE2DFD6, 0xD6D0C5, 0xFCFCFB, 0xECEBE6, 0, kK1, kK2, kK3},
    // focused or default: blue glow
    {kDarkBlue, 0xCEE7FF, 0xBDD7F7, 0x8CAEE7, 0x6B82EF, 0xBDD3F7, 0x8CAEE7, 0, kK1, kK2, kK3},
    // mouse over: orange glow
    {kDarkBlue, 0xFFF3CE, 0xFFDB8C, 0xFFB231, 0xE69600, 0xE1DF9C, 0xFFB630, 0, kK1, kK2, kK3},
    // pressed
    {kDarkBlue, 0, 0, 0, 0, 0, 0, 0xE7E3DE, kK1, kK2, kK3},
};

constexpr QRgb kFaceTop = 0xFCFCFB;
constexpr QRgb kFaceBottom = 0xECEBE6;
constexpr QRgb kDisabledText = 0xA1A192;

// Fills the pixels x in [left, right), y in [top, bottom); empty ranges draw nothing.
void fill(QPainter& p, int left, int top, int right, int bottom, QRgb colour)
{
    if (right > left && bottom > top)
        p.fillRect(QRect(left, top, right - left, bottom - top), QColor(colour));
}

// A line from (x1, y) to (x2, y), its end point excluded.
void hLine(QPainter& p, int x1, int x2, int y, QRgb colour)
{
    fill(p, x1, y, x2, y + 1, colour);
}

void vLine(QPainter& p, int x, int y1, int y2, QRgb colour)
{
    fill(p, x, y1, x + 1, y2, colour);
}

void pixel(QPainter& p, int x, int y, QRgb colour)
{
    fill(p, x, y, x + 1, y + 1, colour);
}

int blend(int bottom, int top, int i, int h)
{
    return static_cast<int>(std::lround(bottom + double(top - bottom) * i / h));
}

// Rows top..bottom (the bottom row included) fade from topColour to bottomColour; each row
// spans x in [left, right).
void fillGradient(QPainter& p, int left, int top, int right, int bottom, QRgb topColour, QRgb bottomColour)
{
    const int h = bottom - top;
    if (h < 0)
        return;
    if (h == 0) {
        hLine(p, left, right, top, topColour);
        return;
    }
    for (int i = 0; i <= h; ++i) {
        const QRgb c = qRgb(blend(qRed(bottomColour), qRed(topColour), i, h),
                            blend(qGreen(bottomColour), qGreen(topColour), i, h),
                            blend(qBlue(bottomColour), qBlue(topColour), i, h));
        hLine(p, left, right, top + (h - i), c);
    }
}

void paintFrame(QPainter& p, int W, int H, XPButtonDrawState state)
{
    const StateColours& c = kColours[static_cast<int>(state)];

    hLine(p, 3, W - 3, 0, c.border);
    vLine(p, 0, 3, H - 3, c.border);
    hLine(p, 3, W - 3, H - 1, c.border);
    vLine(p, W - 1, 3, H - 3, c.border);

    if (state == XPButtonDrawState::Disabled || state == XPButtonDrawState::Pressed) {
        fill(p, 1, 1, W - 1, H - 1, c.flatFace);
    } else {
        fillGradient(p, 1, 3, W - 1, H - 2, c.ringTop, c.ringBottom);
        fillGradient(p, 3, 3, W - 3, H - 3, kFaceTop, kFaceBottom);
        hLine(p, 1, W, 1, c.top1);
        hLine(p, 1, W, 2, c.top2);
        hLine(p, 1, W, H - 3, c.bottom1);
        hLine(p, 2, W - 1, H - 2, c.bottom2);
    }

    // The corner pixels round the border off; drawn last, they win over the rows above.
    for (auto [x, y] : {std::pair{0, 2}, {2, 0}, {W - 1, 2}, {W - 3, 0},
                        {0, H - 3}, {2, H - 1}, {W - 1, H - 3}, {W - 3, H - 1}})
        pixel(p, x, y, c.k1);
    for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {W - 1, 1}, {W - 2, 0},
                        {0, H - 2}, {1, H - 1}, {W - 1, H - 2}, {W - 2, H - 1}})
        pixel(p, x, y, c.k2);
    for (auto [x, y] : {std::pair{1, 1}, {W - 2, 1}, {1, H - 2}, {W - 2, H - 2}})
        pixel(p, x, y, c.k3);
}

// Every second pixel of the rectangle's outline is inverted, as the classic focus rectangle is,
// so it stays visible on every glow colour and over the caption. A dot is one logical pixel, so
// it grows with the screen's scale as the rest of the face does.
void paintFocusRect(QPainter& p, const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    std::vector<QPoint> dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.emplace_back(x, y);
    };
    // Each pixel only once: inverting a corner twice would erase it.
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QColor colour = Qt::black;
    if (p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        colour = Qt::white;
    }
    for (const QPoint& at : dots)
        p.fillRect(QRect(at, QSize(1, 1)), colour);
    p.restore();
}

} // namespace

namespace XPButtonPainter {

QRect captionRect(QSize size)
{
    return QRect(3, 3, size.width() - 6, size.height() - 6);
}

QRegion outline(QSize size)
{
    const int W = size.width();
    const int H = size.height();
    QRegion region(0, 0, W, H);
    for (auto [x, y] : {std::pair{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
        region -= QRegion(x, y, 1, 1);
    return region;
}

void paint(QPainter& p, QSize size, const XPButtonLook& look)
{
    const int W = size.width();
    const int H = size.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    paintFrame(p, W, H, look.state);

    const QRect textRect = captionRect(size);
    if (textRect.isValid()) {
        p.save();
        p.setClipRect(textRect);
        p.setFont(look.font);
        p.setPen(look.state == XPButtonDrawState::Disabled ? QColor(kDisabledText) : look.foreColor);
        p.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, look.caption);
        p.restore();
    }

    if (look.focusRect && static_cast<int>(look.state) >= static_cast<int>(XPButtonDrawState::Focused))
        paintFocusRect(p, textRect);
    p.restore();
}

} // namespace XPButtonPainter
