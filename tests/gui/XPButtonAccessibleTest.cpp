// ccXPButton as assistive technology sees it: a push button named by its caption whose press
// action clicks it.
#include "controls/XPButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class XPButtonAccessibleTest : public testing::Test {
protected:
    void SetUp() override
    {
        button.setCaption("Save && &Exit");
        iface = QAccessible::queryAccessibleInterface(&button);
        ASSERT_NE(iface, nullptr);
        ASSERT_NE(iface->actionInterface(), nullptr);
    }

    ccXPButton button;
    QAccessibleInterface* iface = nullptr;
};

TEST_F(XPButtonAccessibleTest, IsAPushButtonNamedByItsCaption)
{
    EXPECT_EQ(iface->role(), QAccessible::PushButton);
    EXPECT_EQ(iface->text(QAccessible::Name), "Save & Exit");
    button.setCaption("Abbrechen");
    EXPECT_EQ(iface->text(QAccessible::Name), "Abbrechen");
    button.setAccessibleName("Cancel the dialog");
    EXPECT_EQ(iface->text(QAccessible::Name), "Cancel the dialog");
}

TEST_F(XPButtonAccessibleTest, PressActionClicksOnlyWhileEnabled)
{
    QSignalSpy clicked(&button, &ccXPButton::Click);
    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_FALSE(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()).isEmpty());
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);

    button.setEnabled(false);
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_TRUE(iface->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(XPButtonAccessibleTest, ReportsDefaultAndPressedStates)
{
    EXPECT_FALSE(iface->state().defaultButton);
    button.setDefault(true);
    EXPECT_TRUE(iface->state().defaultButton);
    EXPECT_TRUE(iface->state().focusable);
    EXPECT_FALSE(iface->state().pressed);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(&button, &space);
    EXPECT_TRUE(iface->state().pressed);
}

} // namespace
