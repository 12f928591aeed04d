#include "common/gui/WindowHelpers.h"

#include "gui/support/FakeServices.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Restores the default title that a test changes.
class DefaultTitleGuard {
public:
    explicit DefaultTitleGuard(const QString& title) : m_saved(DefaultTitle()) { SetDefaultTitle(title); }
    ~DefaultTitleGuard() { SetDefaultTitle(m_saved); }

private:
    QString m_saved;
};

} // namespace

TEST(CenterPositionTwips, CentresInTheUpperPartOfTheScreen)
{
    const TwipsPosition p = CenterPositionTwips(15360, 11520, 7800, 6000);
    EXPECT_EQ(p.top, 1896);  // 9792 \ 2 - 3000
    EXPECT_EQ(p.left, 3780); // 7680 - 3900
}

TEST(CenterPositionTwips, RoundsTheUsedHeightAndHalvesWithoutRemainder)
{
    // 30 × 0.85 = 25.5 rounds to 26, halved 13; cutting instead of rounding would give 12.
    EXPECT_EQ(CenterPositionTwips(0, 30, 0, 0).top, 13);
    // 7 × 0.85 = 5.95 rounds to 6.
    EXPECT_EQ(CenterPositionTwips(0, 7, 0, 0).top, 3);
    // Odd sizes lose their remainder before the subtraction.
    EXPECT_EQ(CenterPositionTwips(101, 200, 51, 21).left, 50 - 25);
    EXPECT_EQ(CenterPositionTwips(101, 200, 51, 21).top, 85 - 10);
}

TEST(CenterPositionTwips, NeverLeavesTheScreenAtTheTopOrLeft)
{
    const TwipsPosition p = CenterPositionTwips(15360, 11520, 20000, 12000);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.left, 0);
    // A window that fits across but not down keeps its horizontal centre.
    EXPECT_EQ(CenterPositionTwips(15360, 11520, 7800, 12000).left, 3780);
}

// Where a window of the given pixel size should land on the screen, worked out in pixels.
static QPoint ExpectedCentre(const QRect& screen, QSize window)
{
    return screen.topLeft() + QPoint(qRound((screen.width() - window.width()) / 2.0),
                                     qRound(0.425 * screen.height() - window.height() / 2.0));
}

TEST(CenterForm, MovesTheWindowOnItsScreenInPixels)
{
    QWidget window;
    window.resize(400, 300);
    const QRect screen = window.screen()->geometry();
    ASSERT_GT(screen.width(), 400);
    ASSERT_GT(screen.height(), 300);

    CenterForm(window);
    // The twips round to whole pixels, so allow for one pixel.
    const QPoint expected = ExpectedCentre(screen, QSize(400, 300));
    EXPECT_NEAR(window.pos().x(), expected.x(), 1);
    EXPECT_NEAR(window.pos().y(), expected.y(), 1);
    EXPECT_EQ(window.size(), QSize(400, 300));

    QWidget huge;
    huge.resize(screen.width() + 100, screen.height());
    CenterForm(huge);
    EXPECT_EQ(huge.pos(), screen.topLeft());
}

TEST(CenterForm, PlacesTheWindowOfAChildWidget)
{
    QWidget window;
    window.resize(400, 300);
    auto* child = new QWidget(&window);
    child->move(10, 10);

    CenterForm(*child);
    EXPECT_EQ(child->pos(), QPoint(10, 10));
    EXPECT_NE(window.pos(), QPoint(0, 0));
}

TEST(MakeTopmost, KeepsAShownWindowWhereItWasAndShown)
{
    QWidget window;
    window.setGeometry(50, 60, 320, 240);
    window.show();
    const QPoint position = window.pos();

    MakeTopmost(window);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), position);
    EXPECT_EQ(window.size(), QSize(320, 240));

    // A second call changes nothing.
    MakeTopmost(window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), position);
}

TEST(MakeTopmost, LeavesAHiddenWindowHiddenAndInPlace)
{
    QWidget window;
    window.setGeometry(70, 80, 200, 100);
    auto* child = new QWidget(&window);

    MakeTopmost(*child);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(child->isWindow());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(70, 80));
    EXPECT_EQ(window.size(), QSize(200, 100));
}

TEST(ShowMessage, ShowsTheFourKindsWithTheirTitle)
{
    FakeServices desktop;
    for (int kind = 1; kind <= 4; ++kind) {
        QString title = "Titel";
        ShowMessage("Text", kind, title);
    }
    ASSERT_EQ(desktop.messages.size(), 4u);
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(desktop.messages[kind - 1].kind, kind);
        EXPECT_EQ(desktop.messages[kind - 1].text, "Text");
        EXPECT_EQ(desktop.messages[kind - 1].title, "Titel");
    }
}

TEST(ShowMessage, ShowsNothingForOtherKinds)
{
    FakeServices desktop;
    QString title = "Titel";
    for (int kind : {0, 5, -1, 16, 64})
        ShowMessage("Text", kind, title);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST(ShowMessage, AnEmptyTitleBecomesTheDefaultTitleInPlace)
{
    DefaultTitleGuard defaultTitle("Kestrel Pinwall-Builder");
    FakeServices desktop;

    QString title;
    ShowMessage("Fertig ", 1, title);
    EXPECT_EQ(title, "Kestrel Pinwall-Builder");

    // Even where nothing is shown.
    QString unused;
    ShowMessage("nichts", 5, unused);
    EXPECT_EQ(unused, "Kestrel Pinwall-Builder");

    ShowMessage("Achtung", 2);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].title, "Kestrel Pinwall-Builder");
    EXPECT_EQ(desktop.messages[0].text, "Fertig "); // texts pass untouched, blanks included
    EXPECT_EQ(desktop.messages[1].title, "Kestrel Pinwall-Builder");
}
