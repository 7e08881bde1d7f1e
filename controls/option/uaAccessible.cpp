#include "controls/option/uaAccessible.h"

namespace tirnel {

AccessibleFacts ua::Accessible() const {
    QAccessible::State state;
    state.checkable = true;
    state.checked = IsTrue(mValue);
    return {Caption(), state, {}};
}

uaAccessible::uaAccessible(ua* option) : AccessibleControl(option, QAccessible::RadioButton) {}

void uaAccessible::PerformAction() { static_cast<ua*>(control())->PerformClick(); }

QAccessibleInterface* uaAccessible::Create(const QString& /*className*/, QObject* object) {
    auto* option = qobject_cast<ua*>(object);
    return option ? new uaAccessible(option) : nullptr;
}

}  // namespace tirnel
