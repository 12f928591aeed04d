// ccXPButton: how pointer, keys, focus, window activation, the default flag and Enabled change
// its look, and when it raises Click and DblClick.
#include "controls/XPButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using S = XPButtonDrawState;

class XPButtonStateTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.resize(300, 100);
        first = new ccXPButton(&form);
        first->setObjectName("ccXPButton1");
        first->setGeometry(10, 10, 75, 23);
        second = new ccXPButton(&form);
        second->setObjectName("ccXPButton2");
        second->setGeometry(100, 10, 75, 23);
        second->setCaption("Save && &Exit");
        form.show();
        activate(form);
        ASSERT_TRUE(form.isActiveWindow());
        // No button holds the focus to begin with.
        form.setFocus();
    }

    static void activate(QWidget& window)
    {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void enter(ccXPButton* b)
    {
        const QPointF pos(5, 5);
        QEnterEvent event(pos, pos, b->mapToGlobal(pos));
        QApplication::sendEvent(b, &event);
    }

    static void leave(ccXPButton* b)
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(b, &event);
    }

    static void move(ccXPButton* b, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent event(QEvent::MouseMove, pos, b->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(b, &event);
    }

    static void spaceAutoRepeat(ccXPButton* b)
    {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(b, &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(b, &press);
    }

    const QPoint inside{20, 10};
    const QPoint outside{200, 10};
    QWidget form;
    ccXPButton* first = nullptr;
    ccXPButton* second = nullptr;
};

TEST(XPButtonDefaults, NewButtonIsAnEnabledOkButtonInVerdana)
{
    ccXPButton button;
    EXPECT_EQ(button.caption(), "&OK");
    EXPECT_EQ(button.plainCaption(), "OK");
    EXPECT_EQ(button.foreColor(), QColor(Qt::black));
    EXPECT_TRUE(button.focusRect());
    EXPECT_TRUE(button.isEnabled());
    EXPECT_FALSE(button.isDefault());
    EXPECT_EQ(button.drawState(), S::Normal);
    EXPECT_EQ(button.font().families().value(0), "Verdana");
}

TEST(XPButtonDefaults, NoSideFallsBelowHundredTwips)
{
    ccXPButton button;
    button.resize(3, 40);
    EXPECT_EQ(button.size(), QSize(7, 40)); // 100 twips are 6.7 pixels
    button.resize(90, 0);
    EXPECT_EQ(button.size(), QSize(90, 7));
    button.resize(7, 7);
    EXPECT_EQ(button.size(), QSize(7, 7));
    // The smallest button still draws a whole frame.
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixel(3, 0) & 0xFFFFFF, 0x003C74u);
    EXPECT_EQ(image.pixel(6, 3) & 0xFFFFFF, 0x003C74u);
}

TEST(XPButtonDefaults, CaptionMarksAccessKeyAndEscapesAmpersand)
{
    ccXPButton button;
    QSignalSpy changed(&button, &ccXPButton::captionChanged);
    button.setCaption("Save && &Exit");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(button.plainCaption(), "Save & Exit");
    button.setCaption("Fish && Chips");
    EXPECT_EQ(button.plainCaption(), "Fish & Chips");
    button.setCaption("Trailing&");
    EXPECT_EQ(button.plainCaption(), "Trailing");
    button.setCaption("Trailing&");
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(XPButtonStateTest, PointerGlowsOrangeAndFallsBackOnLeaving)
{
    enter(first);
    EXPECT_TRUE(first->isMouseOver());
    EXPECT_EQ(first->drawState(), S::Hot);
    leave(first);
    EXPECT_FALSE(first->isMouseOver());
    EXPECT_EQ(first->drawState(), S::Normal);

    first->setFocus();
    EXPECT_EQ(first->drawState(), S::Focused);
    QSignalSpy moved(first, &ccXPButton::MouseMove);
    move(first, QPoint(12, 7));
    EXPECT_EQ(first->drawState(), S::Hot);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved[0][2].toInt(), 12);
    EXPECT_EQ(moved[0][3].toInt(), 7);
    leave(first);
    EXPECT_EQ(first->drawState(), S::Focused);

    second->setDefault(true);
    enter(second);
    EXPECT_EQ(second->drawState(), S::Hot);
    leave(second);
    EXPECT_EQ(second->drawState(), S::Focused);
}

TEST_F(XPButtonStateTest, LeftClickPressesAndClicksOnRelease)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    move(first, inside);
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(first->drawState(), S::Pressed);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(first->drawState(), S::Hot);
    EXPECT_FALSE(first->isPressed());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(XPButtonStateTest, ReleasingOffTheButtonRaisesNoClick)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    move(first, inside);
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    QTest::mouseMove(first, outside);
    EXPECT_FALSE(first->isMouseOver());
    EXPECT_EQ(first->drawState(), S::Focused);
    QTest::mouseRelease(first, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(first->drawState(), S::Focused);

    // Coming back before the release still clicks.
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    QTest::mouseMove(first, outside);
    QTest::mouseMove(first, inside);
    EXPECT_EQ(first->drawState(), S::Pressed);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicked.count(), 1);

    // A release reported outside without a move before it.
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(first, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(XPButtonStateTest, DoubleClickRaisesOneClickAndOneDblClick)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    QSignalSpy doubleClicked(first, &ccXPButton::DblClick);
    move(first, inside);
    // What the window system delivers: press, release, press, double click, release.
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside);
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    QTest::mouseDClick(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(first->drawState(), S::Pressed);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(first->drawState(), S::Hot);
}

TEST_F(XPButtonStateTest, OtherMouseButtonsNeitherPressNorClick)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    QSignalSpy doubleClicked(first, &ccXPButton::DblClick);
    move(first, inside);
    QTest::mouseClick(first, Qt::RightButton, {}, inside);
    QTest::mouseDClick(first, Qt::MiddleButton, {}, inside);
    EXPECT_EQ(first->drawState(), S::Hot);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(doubleClicked.count(), 0);
}

TEST_F(XPButtonStateTest, SpaceClicksOnceOnRelease)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    first->setFocus();
    QTest::keyPress(first, Qt::Key_Space);
    EXPECT_EQ(first->drawState(), S::Pressed);
    spaceAutoRepeat(first);
    spaceAutoRepeat(first);
    EXPECT_EQ(first->drawState(), S::Pressed);
    EXPECT_EQ(clicked.count(), 0);
    QTest::keyRelease(first, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(first->drawState(), S::Focused);

    move(first, inside);
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(first->drawState(), S::Hot);
}

TEST_F(XPButtonStateTest, SpaceIsIgnoredWhileTheMouseHoldsTheButton)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    move(first, inside);
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(XPButtonStateTest, EnterClicksAtKeyDown)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    first->setFocus();
    QTest::keyPress(first, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
    QTest::keyRelease(first, Qt::Key_Return);
    QTest::keyClick(first, Qt::Key_Enter);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(first->drawState(), S::Focused);
}

TEST_F(XPButtonStateTest, ArrowKeysMoveTheFocusLikeTab)
{
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Left);
    EXPECT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Down);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Up);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->drawState(), S::Focused);
    EXPECT_EQ(second->drawState(), S::Normal);
}

TEST_F(XPButtonStateTest, AccessKeyFocusesAndClicks)
{
    QSignalSpy clicked(second, &ccXPButton::Click);
    first->setFocus();
    QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(second->drawState(), S::Focused);

    // "&&" is no access key.
    QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(XPButtonStateTest, AccessKeyCancelsASpacePress)
{
    QSignalSpy clicked(second, &ccXPButton::Click);
    second->setFocus();
    QTest::keyPress(second, Qt::Key_Space);
    QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(second->drawState(), S::Focused);
    EXPECT_FALSE(second->isPressed());
    QTest::keyRelease(second, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(XPButtonStateTest, FocusGlowsBlueAndLosingItEndsAPress)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    first->setFocus();
    EXPECT_EQ(first->drawState(), S::Focused);
    QTest::keyPress(first, Qt::Key_Space);
    second->setFocus();
    EXPECT_EQ(first->drawState(), S::Normal);
    EXPECT_EQ(second->drawState(), S::Focused);
    QTest::keyRelease(first, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 0);

    // The default button keeps its glow without the focus; a hovered one stays hot.
    first->setDefault(true);
    first->setFocus();
    second->setFocus();
    EXPECT_EQ(first->drawState(), S::Focused);
    enter(second);
    first->setFocus();
    EXPECT_EQ(second->drawState(), S::Hot);
    QTest::mousePress(second, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(second->drawState(), S::Pressed);
}

TEST_F(XPButtonStateTest, WindowActivationRedrawsAndIsReported)
{
    QSignalSpy activations(first, &ccXPButton::FormActivate);
    first->setFocus();
    second->setDefault(true);
    move(first, inside);
    QTest::mousePress(first, Qt::LeftButton, {}, inside);

    QWidget other;
    other.show();
    activate(other);
    ASSERT_EQ(activations.count(), 1);
    EXPECT_EQ(activations[0][0].toInt(), 0);
    EXPECT_EQ(first->drawState(), S::Normal);
    EXPECT_EQ(second->drawState(), S::Normal);
    // No hover look in an inactive window.
    enter(second);
    EXPECT_EQ(second->drawState(), S::Normal);
    leave(second);

    activate(form);
    ASSERT_EQ(activations.count(), 2);
    EXPECT_EQ(activations[1][0].toInt(), 1);
    EXPECT_EQ(second->drawState(), S::Focused);

    // The press was ended by the deactivation.
    QSignalSpy clicked(first, &ccXPButton::Click);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(XPButtonStateTest, DefaultFlagGlowsUnlessTheMouseIsOver)
{
    QSignalSpy changed(first, &ccXPButton::defaultChanged);
    first->setDefault(true);
    EXPECT_EQ(first->drawState(), S::Focused);
    first->setDefault(false);
    EXPECT_EQ(first->drawState(), S::Normal);
    enter(first);
    first->setDefault(true);
    EXPECT_EQ(first->drawState(), S::Hot);
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(XPButtonStateTest, DisabledButtonIsGreyAndSilent)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    QSignalSpy enabledChanged(first, &ccXPButton::enabledChanged);
    first->setEnabled(false);
    EXPECT_EQ(first->drawState(), S::Disabled);
    EXPECT_EQ(enabledChanged.count(), 1);
    enter(first);
    QTest::mouseClick(first, Qt::LeftButton, {}, inside);
    QTest::keyClick(first, Qt::Key_Space);
    QTest::keyClick(first, Qt::Key_Return);
    first->click();
    leave(first);
    EXPECT_EQ(first->drawState(), S::Disabled);
    EXPECT_EQ(clicked.count(), 0);

    first->setDefault(true);
    EXPECT_EQ(first->drawState(), S::Disabled);
    first->setEnabled(true);
    EXPECT_EQ(first->drawState(), S::Focused);
    first->setDefault(false);
    enter(first);
    first->setEnabled(false);
    first->setEnabled(true);
    EXPECT_EQ(first->drawState(), S::Hot);
}

TEST_F(XPButtonStateTest, DisablingDuringAPressLeavesNoStuckMouse)
{
    QSignalSpy clicked(first, &ccXPButton::Click);
    move(first, inside);
    QTest::mousePress(first, Qt::LeftButton, {}, inside);
    first->setEnabled(false);
    QTest::mouseRelease(first, Qt::LeftButton, {}, inside); // never reaches a disabled widget
    first->setEnabled(true);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
