#include "controls/button/btAccessible.h"

namespace tirnel {

AccessibleFacts bt::Accessible() const {
    QAccessible::State state;
    state.pressed = mState == StateDown && (IsTrue(mMouseDown) || IsTrue(mSpaceDown));
    state.checkable = IsTrue(mCheckBoxMode);
    state.checked = IsTrue(mCheckBoxMode) && IsTrue(mValue);
    state.defaultButton = IsTrue(mIsDefault);
    return {mCaption, state, {}};
}

btAccessible::btAccessible(bt* button) : AccessibleControl(button, QAccessible::Button) {}

bt* btAccessible::button() const { return static_cast<bt*>(control()); }

QAccessible::Role btAccessible::role() const {
    return IsTrue(button()->CheckBoxMode()) ? QAccessible::CheckBox : QAccessible::Button;
}

QString btAccessible::ActionName() const {
    return IsTrue(button()->CheckBoxMode()) ? toggleAction() : pressAction();
}

void btAccessible::PerformAction() { button()->PerformClick(); }

QAccessibleInterface* btAccessible::Create(const QString& /*className*/, QObject* object) {
    auto* button = qobject_cast<bt*>(object);
    return button ? new btAccessible(button) : nullptr;
}

}  // namespace tirnel
