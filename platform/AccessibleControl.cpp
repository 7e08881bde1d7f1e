#include "platform/AccessibleControl.h"

#include "platform/AccessibleAction.h"
#include "platform/PrefixText.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace tirnel {

AccessibleControl::AccessibleControl(Control* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

Control* AccessibleControl::control() const { return static_cast<Control*>(widget()); }

QString AccessibleControl::Shortcut() const {
    const QString keys = control()->AccessKeys();
    if (keys.isEmpty()) return QString();
    return QKeySequence(Qt::ALT | static_cast<Qt::Key>(keys.at(0).toUpper().unicode())).toString(QKeySequence::NativeText);
}

QString AccessibleControl::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? StripPrefixes(control()->Accessible().caption).text : name;
    }
    case QAccessible::Accelerator: return Shortcut();
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State AccessibleControl::state() const {
    return CombinedStates(QAccessibleWidget::state(), control()->Accessible().state);
}

QStringList AccessibleControl::actionNames() const {
    QStringList names;
    if (!ActionName().isEmpty() && !state().disabled) names << ActionName();
    return names + QAccessibleWidget::actionNames();
}

void AccessibleControl::doAction(const QString& actionName) {
    if (actionName.isEmpty() || actionName != ActionName()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // The interface goes with the control, and so does an event still posted to it.
    QCoreApplication::postEvent(control(), new AccessibleActionEvent([this] {
        if (!state().disabled) PerformAction();
    }));
}

QStringList AccessibleControl::keyBindingsForAction(const QString& actionName) const {
    if (actionName.isEmpty() || actionName != ActionName()) return QAccessibleWidget::keyBindingsForAction(actionName);
    const QString shortcut = Shortcut();
    return shortcut.isEmpty() ? QStringList() : QStringList{shortcut};
}

}  // namespace tirnel
