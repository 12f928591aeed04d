// The XP-style button at a device pixel ratio of 2: every pixel rule of its face (border, glow
// rows, gradients, corners, focus dots) covers whole 2 x 2 device pixels in the colour it has at
// ratio 1, so the button draws as sharp as on a normal screen.
#include "controls/XPButtonPainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Paint(const XPButtonLook& look, QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    XPButtonPainter::paint(painter, size, look);
    return image;
}

} // namespace

TEST(XPButtonHiDpi, EveryLogicalPixelOfTheFaceIsOneSharpTwoByTwoBlock)
{
    const QSize size(75, 23);
    for (int state = 0; state <= 4; ++state) {
        XPButtonLook look;
        look.state = static_cast<XPButtonDrawState>(state);
        look.focusRect = true;  // the caption stays empty: text is drawn at the screen's resolution
        const QImage one = Paint(look, size, 1);
        const QImage two = Paint(look, size, 2);
        int wrong = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                for (int d = 0; d < 4; ++d)
                    if (two.pixel(2 * x + d % 2, 2 * y + d / 2) != one.pixel(x, y) && wrong++ < 3)
                        ADD_FAILURE() << "state " << state << " pixel " << x << "," << y << " device +" << d % 2
                                      << "," << d / 2 << ": " << std::hex << two.pixel(2 * x + d % 2, 2 * y + d / 2)
                                      << " instead of " << one.pixel(x, y);
        EXPECT_EQ(wrong, 0) << "state " << state;
    }
}
