#include "controls/progress/uoAccessible.h"

#include "platform/Boolean.h"

namespace tirnel {

AccessibleFacts uo::Accessible() const {
    QAccessible::State state;
    state.disabled = !IsTrue(mEnabled);
    return {mText, state, mValue};
}

uoAccessible::uoAccessible(uo* bar) : AccessibleControl(bar, QAccessible::ProgressBar) {}

uo* uoAccessible::bar() const { return static_cast<uo*>(control()); }

QString uoAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return QString::number(bar()->Value());
    return AccessibleControl::text(t);
}

void* uoAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return AccessibleControl::interface_cast(t);
}

QVariant uoAccessible::currentValue() const { return bar()->Value(); }

void uoAccessible::setCurrentValue(const QVariant& /*value*/) {}

QVariant uoAccessible::maximumValue() const { return bar()->Max(); }

QVariant uoAccessible::minimumValue() const { return bar()->Min(); }

QVariant uoAccessible::minimumStepSize() const { return 0; }

QAccessibleInterface* uoAccessible::Create(const QString& /*className*/, QObject* object) {
    auto* bar = qobject_cast<uo*>(object);
    return bar ? new uoAccessible(bar) : nullptr;
}

}  // namespace tirnel
