// Makes ccXPButton visible to assistive technology as a push button whose press action clicks it.
#include "controls/XPButtonAccessible.h"

#include "controls/XPButton.h"

#include <QKeySequence>

namespace {

QAccessibleInterface* createInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(ccXPButton::staticMetaObject.className())) {
        if (auto* button = qobject_cast<ccXPButton*>(object))
            return new XPButtonAccessible(button);
    }
    return nullptr;
}

} // namespace

XPButtonAccessible::XPButtonAccessible(ccXPButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

ccXPButton* XPButtonAccessible::button() const
{
    return static_cast<ccXPButton*>(widget());
}

QString XPButtonAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? button()->plainCaption() : name;
    }
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(button()->caption()).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State XPButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.defaultButton = button()->isDefault();
    state.pressed = button()->drawState() == XPButtonDrawState::Pressed;
    return state;
}

QStringList XPButtonAccessible::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void XPButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList XPButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction()) {
        const QKeySequence key = QKeySequence::mnemonic(button()->caption());
        if (!key.isEmpty())
            return {key.toString(QKeySequence::NativeText)};
        return {};
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installXPButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
