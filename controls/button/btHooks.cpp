// The button's window hooks: the pointer entering and leaving the button, and its
// container window being activated or deactivated, which the button's own notifications do
// not tell. Both windows are hooked at load in run mode; every message still reaches the
// window first and the button hears of it after.

#include "controls/button/bt.h"

#include "platform/Form.h"
#include "platform/LeaveTracking.h"
#include "platform/MessageHooks.h"

#include <optional>

namespace tirnel {

namespace {

// The container's MDIChild, or nothing when the container has no such property.
std::optional<std::int16_t> MDIChildOf(const QWidget* container) {
    if (const auto* form = qobject_cast<const Form*>(container)) return form->MDIChild();
    return std::nullopt;
}

}  // namespace

void bt::HookWindows() {
    const auto proc = [this](bool bBefore, bool& bHandled, std::int32_t& lReturn, std::int32_t& lng_hWnd,
                             std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& lParam) {
        zSubclass_Proc(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam);
    };
    SubclassWindow(this, this, proc);
    if (mParentHwnd) SubclassWindow(this, mParentHwnd, proc);
    WatchMessage(this, this, kWmMouseMove, kWhenAfter);
    WatchMessage(this, this, kWmMouseLeave, kWhenAfter);
    // A multiple-document child is activated through its frame; a container without the
    // property is taken for one.
    const std::optional<std::int16_t> mdiChild = MDIChildOf(mParentHwnd);
    const bool frameActivation = !mdiChild || IsTrue(*mdiChild);
    if (mParentHwnd) WatchMessage(this, mParentHwnd, frameActivation ? kWmNcActivate : kWmActivate, kWhenAfter);
}

void bt::TrackMouseLeave() {
    if (IsTrue(mTrackLeave)) tirnel::TrackMouseLeave(this);
}

void bt::zSubclass_Proc(bool /*bBefore*/, bool& /*bHandled*/, std::int32_t& /*lReturn*/, std::int32_t& /*lng_hWnd*/,
                        std::int32_t& uMsg, std::int32_t& wParam, std::int32_t& /*lParam*/) {
    switch (uMsg) {
        case kWmActivate:
        case kWmNcActivate: ContainerActivation(wParam != 0); break;
        case kWmMouseMove: PointerEntering(); break;
        case kWmMouseLeave: PointerLeaving(); break;
        default: break;
    }
}

void bt::PointerEntering() {
    if (IsTrue(mIsOver)) return;
    mIsOver = kTrue;
    TrackMouseLeave();
    if (!IsTrue(mSpaceDown)) mState = StateHover;
    PaintButton();
    emit MouseEnter();
}

void bt::PointerLeaving() {
    mIsOver = kFalse;
    if (IsTrue(mSpaceDown)) return;
    if (IsTrue(mEnabled)) mState = StateNormal;
    PaintButton();
    emit MouseLeave();
}

void bt::ContainerActivation(bool activated) {
    if (activated) {
        mParentActive = kTrue;
        mState = StateNormal;
        if (IsTrue(mIsDefault)) PaintButton();
        PaintButton();
        return;
    }
    mMouseDown = kFalse;
    mSpaceDown = kFalse;
    mSpacePressed = false;
    mHasFocus = kFalse;
    mParentActive = kFalse;
    mState = StateNormal;
    PaintButton();
}

}  // namespace tirnel
