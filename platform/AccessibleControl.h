#pragma once
// What assistive technology sees of a custom control: what Qt knows of any widget (its
// place, focus, visibility, whether it is enabled), with the name, shortcut and states the
// control tells (Control::Accessible) and the control's own action. The name is the widget's
// accessible name when it has one, else the caption without its "&" markers; the shortcut
// is Alt with the control's access key. Each control's interface says its role and action.

#include "platform/Control.h"

#include <QAccessibleWidget>

namespace tirnel {

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(Control* control, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // The control's action first while it is enabled, then what any widget offers (focus).
    // The action is posted to the control (AccessibleAction.h), as a click from the pointer
    // arrives, so whoever asks for it has the answer at once, even when the click opens a
    // dialog, and a window holding back input holds it back too.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

protected:
    Control* control() const;
    // The name of the control's action (pressAction(), toggleAction()); "" for none.
    virtual QString ActionName() const { return QString(); }
    // Does the action: what a click does.
    virtual void PerformAction() {}

private:
    QString Shortcut() const;
};

}  // namespace tirnel
