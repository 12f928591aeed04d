// ccXPButton: the pixels of each of its five looks, its rounded outline, the caption and the
// dotted focus rectangle, as grabbed from the widget.
#include "controls/XPButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using S = XPButtonDrawState;

struct Expected {
    S state;
    QRgb border, top1, top2, bottom1, bottom2, ringTop, flatFace, k1, k2, k3;
};

const Expected kLooks[] = {
    {S::Disabled, 0xC9C7BA, 0, 0, 0, 0, 0, 0xF5F4EA, 0xC4B18C, 0xCEC7BD, 0xC4B18C},
    {S::Normal, 0x003C74, 0xFFFFFF, 0xFEFEFE, 0xE2DFD6, 0xD6D0C5, 0xFCFCFB, 0, 0x215584, 0x7B96AD, 0x527DA5},
    {S::Focused, 0x003C74, 0xCEE7FF, 0xBDD7F7, 0x8CAEE7, 0x6B82EF, 0xBDD3F7, 0, 0x215584, 0x7B96AD, 0x527DA5},
    {S::Hot, 0x003C74, 0xFFF3CE, 0xFFDB8C, 0xFFB231, 0xE69600, 0xE1DF9C, 0, 0x215584, 0x7B96AD, 0x527DA5},
    {S::Pressed, 0x003C74, 0, 0, 0, 0, 0, 0xE7E3DE, 0x215584, 0x7B96AD, 0x527DA5},
};

constexpr int W = 60;
constexpr int H = 25;

class XPButtonPaintTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.resize(200, 80);
        button = new ccXPButton(&form);
        button->setGeometry(10, 10, W, H);
        other = new ccXPButton(&form);
        other->setGeometry(100, 10, W, H);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        other->setFocus();
    }

    // A fresh button in the same window, so each look starts from nothing.
    void renew()
    {
        delete button;
        button = new ccXPButton(&form);
        button->setGeometry(10, 10, W, H);
        button->show();
        other->setFocus();
    }

    void bringInto(S state)
    {
        switch (state) {
        case S::Disabled:
            button->setEnabled(false);
            break;
        case S::Normal:
            break;
        case S::Focused:
            button->setDefault(true);
            break;
        case S::Hot: {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(button, &enter);
            break;
        }
        case S::Pressed:
            QTest::keyPress(button, Qt::Key_Space);
            break;
        }
        ASSERT_EQ(button->drawState(), state);
    }

    QImage grab() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QWidget form;
    ccXPButton* button = nullptr;
    ccXPButton* other = nullptr;
};

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

int countColour(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += at(image, x, y) == colour;
    return n;
}

TEST_F(XPButtonPaintTest, EveryLookDrawsItsBorderRowsAndCorners)
{
    for (const Expected& look : kLooks) {
        SCOPED_TRACE(static_cast<int>(look.state));
        renew();
        bringInto(look.state);
        const QImage image = grab();
        ASSERT_EQ(image.size(), QSize(W, H));

        for (auto [x, y] : {std::pair{3, 0}, {W / 2, 0}, {W - 4, 0}, {3, H - 1}, {W - 4, H - 1},
                            {0, 3}, {0, H / 2}, {0, H - 4}, {W - 1, 3}, {W - 1, H - 4}})
            EXPECT_EQ(at(image, x, y), look.border) << x << "," << y;
        for (auto [x, y] : {std::pair{0, 2}, {2, 0}, {W - 1, 2}, {W - 3, 0},
                            {0, H - 3}, {2, H - 1}, {W - 1, H - 3}, {W - 3, H - 1}})
            EXPECT_EQ(at(image, x, y), look.k1) << x << "," << y;
        for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {W - 1, 1}, {W - 2, 0},
                            {0, H - 2}, {1, H - 1}, {W - 1, H - 2}, {W - 2, H - 1}})
            EXPECT_EQ(at(image, x, y), look.k2) << x << "," << y;
        for (auto [x, y] : {std::pair{1, 1}, {W - 2, 1}, {1, H - 2}, {W - 2, H - 2}})
            EXPECT_EQ(at(image, x, y), look.k3) << x << "," << y;

        if (look.flatFace) {
            for (auto [x, y] : {std::pair{2, 1}, {W - 3, 1}, {1, 2}, {1, H - 3}, {W - 2, H / 2},
                                {W / 2, H - 2}, {3, 3}})
                EXPECT_EQ(at(image, x, y), look.flatFace) << x << "," << y;
        } else {
            EXPECT_EQ(at(image, 2, 1), look.top1);
            EXPECT_EQ(at(image, W - 3, 1), look.top1);
            EXPECT_EQ(at(image, 1, 2), look.top2);
            EXPECT_EQ(at(image, W - 2, 2), look.top2);
            EXPECT_EQ(at(image, 1, H - 3), look.bottom1);
            EXPECT_EQ(at(image, W - 2, H - 3), look.bottom1);
            EXPECT_EQ(at(image, 2, H - 2), look.bottom2);
            EXPECT_EQ(at(image, W - 3, H - 2), look.bottom2);
            // The glow ring starts at its top colour, on both sides; the face inside it is
            // the same light gradient in every look.
            for (int x : {1, 2, W - 3, W - 2})
                EXPECT_EQ(at(image, x, 3), look.ringTop) << x;
            EXPECT_EQ(at(image, 3, 3), 0xFCFCFBu);
            EXPECT_EQ(at(image, W - 4, 3), 0xFCFCFBu);
        }
    }
}

TEST_F(XPButtonPaintTest, GradientsRunFromTopToBottomColourRowByRow)
{
    const QImage image = grab(); // normal look: ring FCFCFB -> ECEBE6 over rows 3 .. H-2
    // Row 13 is half-way down the ring (h = 20); a half rounds up.
    EXPECT_EQ(at(image, 1, 13), qRgb(0xF4, 0xF4, 0xF1) & 0xFFFFFF);
    // Face gradient FCFCFB -> ECEBE6 over rows 3 .. H-3 (h = 19): row 12 has i = 10.
    EXPECT_EQ(at(image, 4, 12), qRgb(0xF4, 0xF4, 0xF1) & 0xFFFFFF);
    EXPECT_EQ(at(image, 4, 13), qRgb(0xF4, 0xF3, 0xF0) & 0xFFFFFF);
    // Each row is one colour from left to right, and rows darken downwards.
    for (int y = 4; y < H - 3; ++y) {
        EXPECT_EQ(at(image, 1, y), at(image, W - 2, y)) << y;
        EXPECT_EQ(at(image, 4, y), at(image, W - 5, y)) << y;
        EXPECT_LE(qGreen(at(image, 4, y)), qGreen(at(image, 4, y - 1))) << y;
    }
}

TEST_F(XPButtonPaintTest, OutlineCutsOffTheFourCornerPixels)
{
    const QRegion outline = button->mask();
    for (auto [x, y] : {std::pair{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
        EXPECT_FALSE(outline.contains(QPoint(x, y))) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {W - 2, 0}, {W / 2, H / 2}, {W - 1, H - 2}})
        EXPECT_TRUE(outline.contains(QPoint(x, y))) << x << "," << y;

    button->resize(90, 40);
    EXPECT_FALSE(button->mask().contains(QPoint(89, 39)));
    EXPECT_TRUE(button->mask().contains(QPoint(88, 39)));
}

TEST_F(XPButtonPaintTest, CaptionUsesForeColourOrDisabledGrey)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    button->setFont(font);
    button->setCaption("HH");
    button->setForeColor(QColor(0xFF0000));
    const QRect captionArea(3, 3, W - 6, H - 6);

    const QImage enabled = grab();
    EXPECT_GT(countColour(enabled, captionArea, 0xFF0000), 20);
    EXPECT_EQ(countColour(enabled, QRect(0, 0, W, H), 0xFF0000), countColour(enabled, captionArea, 0xFF0000));

    // Centred: the ink is as far from the left as from the right.
    int left = W, right = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (at(enabled, x, y) == 0xFF0000) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_LE(std::abs(left - (W - 1 - right)), 2);

    button->setEnabled(false);
    const QImage disabled = grab();
    EXPECT_EQ(countColour(disabled, captionArea, 0xFF0000), 0);
    EXPECT_GT(countColour(disabled, captionArea, 0xA1A192), 20);
}

TEST_F(XPButtonPaintTest, AccessKeyLetterIsUnderlined)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    button->setFont(font);
    button->resize(120, 25);
    button->setCaption("Save && Exit");
    const QImage plain = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    button->setCaption("Save && &Exit");
    const QImage marked = button->grab().toImage().convertToFormat(QImage::Format_RGB32);

    std::set<int> rows;
    int firstX = 120;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 120; ++x)
            if (plain.pixel(x, y) != marked.pixel(x, y)) {
                rows.insert(y);
                firstX = std::min(firstX, x);
            }
    // One short line, under the text and well to the right of "Save & ".
    ASSERT_FALSE(rows.empty());
    EXPECT_LE(rows.size(), 2u);
    EXPECT_GT(*rows.begin(), 12);
    EXPECT_GT(firstX, 50);
}

TEST_F(XPButtonPaintTest, FocusRectangleIsDottedAndInvertsThePixels)
{
    button->setFocus();
    ASSERT_EQ(button->drawState(), S::Focused);
    const QImage withRect = grab();
    button->setFocusRect(false);
    const QImage without = grab();

    const QRect r(3, 3, W - 6, H - 6);
    int dots = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const bool onOutline = r.contains(x, y) && (x == r.left() || x == r.right() || y == r.top() || y == r.bottom());
            const bool dotted = onOutline && (x + y) % 2 == 0;
            if (dotted) {
                EXPECT_EQ(at(withRect, x, y), ~at(without, x, y) & 0xFFFFFF) << x << "," << y;
                ++dots;
            } else {
                EXPECT_EQ(at(withRect, x, y), at(without, x, y)) << x << "," << y;
            }
        }
    EXPECT_EQ(dots, (W - 6 + H - 6 - 2)); // every second pixel of the perimeter

    // Without the focus, the default button shows no rectangle.
    button->setFocusRect(true);
    button->setDefault(true);
    other->setFocus();
    ASSERT_EQ(button->drawState(), S::Focused);
    EXPECT_TRUE(grab() == without);
}

} // namespace
