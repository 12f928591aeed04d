// Makes ccXPButton visible to assistive technology as a push button whose press action clicks it.
#pragma once

#include <QAccessibleWidget>

class ccXPButton;

class XPButtonAccessible : public QAccessibleWidget {
public:
    explicit XPButtonAccessible(ccXPButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ccXPButton* button() const;
};

// Registers the interface with Qt's accessibility; safe to call any number of times.
void installXPButtonAccessibility();
