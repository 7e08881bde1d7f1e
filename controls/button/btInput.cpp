// How the button follows the mouse, the keyboard and the focus: the draw state, the
// interaction flags and the events they raise.

#include "controls/button/bt.h"

#include "platform/FocusMoves.h"
#include "platform/Form.h"
#include "platform/HandCursor.h"
#include "platform/InputCodes.h"
#include "platform/MouseCapture.h"
#include "platform/PointerService.h"

#include <QPointer>

namespace tirnel {

void bt::RaiseMouse(MouseEvent event, int Button, int Shift, float X, float Y) {
    std::int16_t button = static_cast<std::int16_t>(Button);
    std::int16_t shift = static_cast<std::int16_t>(Shift);
    (this->*event)(button, shift, X, Y);
}

void bt::RaiseKey(KeyEvent event, int KeyCode, int Shift) {
    std::int16_t keyCode = static_cast<std::int16_t>(KeyCode);
    std::int16_t shift = static_cast<std::int16_t>(Shift);
    (this->*event)(keyCode, shift);
}

// The hand is made when first needed, so HandPointer set after loading shows it too.
void bt::ShowHandCursor() {
    if (!mHandCursor) mHandCursor = &HandCursor();
    ApplyHandCursor(*this, true);
}

// The first move into the button reaches this handler before the hook that makes it enter,
// so it raises MouseMove before MouseEnter and does not repaint.
void bt::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    // While the mouse is held by the button, moves outside it come here too.
    if (WindowFromPoint(CursorPosition()) != this) {
        mIsOver = kFalse;
        emit MouseLeave();
    }
    TrackMouseLeave();
    if (IsTrue(mIsOver)) {
        if (IsTrue(mHandPointer)) ShowHandCursor();
        if (IsTrue(mMouseDown)) {
            mState = StateDown;
        } else if (!IsTrue(mSpaceDown)) {
            mState = StateHover;
        }
        PaintButton();
    }
    RaiseMouse(&bt::MouseMove, Button, Shift, X, Y);
}

void bt::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    mLastButton = static_cast<std::int16_t>(Button);
    mLastShift = static_cast<std::int16_t>(Shift);
    mLastX = X;
    mLastY = Y;
    if (IsTrue(mHandPointer)) ShowHandCursor();
    if (Button != kButtonLeft) return;
    mHasFocus = kTrue;
    mMouseDown = kTrue;
    if (IsTrue(mIsOver)) mState = StateDown;
    PaintButton();
    RaiseMouse(&bt::MouseDown, Button, Shift, X, Y);
}

// A release strictly inside the surface clicks; the down look stays until the next move,
// leave or focus change.
void bt::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    if (IsTrue(mHandPointer)) ShowHandCursor();
    if (Button == kButtonLeft) {
        mMouseDown = kFalse;
        // The pointer held since the double click is let go with its release.
        if (mDoubleClickCapture) {
            mDoubleClickCapture = false;
            ReleaseCaptureOf(this);
        }
        if (X > 0 && Y > 0 && X < ScaleWidth() && Y < ScaleHeight()) PerformClick();
    }
    RaiseMouse(&bt::MouseUp, Button, Shift, X, Y);
}

void bt::PerformClick() {
    if (IsTrue(mCheckBoxMode)) mValue = ToBoolean(!IsTrue(mValue));
    PaintButton();
    emit Click();
}

// The second press of a double click comes here alone; it presses the button again.
void bt::UserControl_DblClick() {
    if (IsTrue(mHandPointer)) ShowHandCursor();
    if (mLastButton != kButtonLeft) return;
    SetCapture(this);
    mDoubleClickCapture = true;
    mState = StateDown;
    PaintButton();
    UserControl_MouseDown(mLastButton, mLastShift, mLastX, mLastY);
    emit DblClick();
}

void bt::UserControl_KeyDown(int KeyCode, int Shift) {
    // A held key repeats its KeyDown; what a press does happens once.
    const bool repeated = KeyRepeating();
    switch (KeyCode) {
        case kKeyEnter:
            if (!repeated) emit Click();
            break;
        case kKeySpace:
            if (!IsTrue(mMouseDown)) {
                if (Shift == kAltMask) return;  // the window menu's key, not the button's
                mSpaceDown = kTrue;
                if (IsTrue(mCheckBoxMode)) {
                    if (!repeated) mValue = ToBoolean(!IsTrue(mValue));
                } else if (mState != StateDown) {
                    mState = StateDown;
                    PaintButton();
                }
            }
            if (Shift != kAltMask) mSpacePressed = true;
            if (GetCapture() != this) {
                ReleaseCapture();
                SetCapture(this);
            }
            break;
        case kKeyLeft:
        case kKeyUp: MoveFocusToPrevious(this); break;
        case kKeyRight:
        case kKeyDown: MoveFocusToNext(this); break;
        default: break;
    }
    RaiseKey(&bt::KeyDown, KeyCode, Shift);
}

// Only the space bar, and only when its press reached this button.
void bt::UserControl_KeyUp(int KeyCode, int Shift) {
    if (KeyCode != kKeySpace || !mSpacePressed) return;
    if (!IsTrue(mIsOver)) {
        mState = StateNormal;
        PaintButton();
        emit Click();
    } else if (IsTrue(mMouseDown)) {
        mState = StateDown;
        PaintButton();
    } else {
        mState = StateHover;
        PaintButton();
        emit Click();
    }
    RaiseKey(&bt::KeyUp, KeyCode, Shift);
    mSpaceDown = kFalse;
    mMouseDown = kFalse;
    mSpacePressed = false;
    // The pointer the space bar took goes with its release.
    ReleaseCaptureOf(this);
}

// The access key, or Enter and Escape routed here as the form's default or cancel button.
// Pending events run before the Click; a key arriving meanwhile is ignored, and a button
// unloaded meanwhile raises nothing.
void bt::UserControl_AccessKeyPress(int KeyAscii) {
    if (mInAccessKey || !IsTrue(mEnabled)) return;
    if (IsTrue(mSpaceDown)) {
        mSpaceDown = kFalse;
        mMouseDown = kFalse;
    }
    if (IsTrue(mCheckBoxMode)) {
        if (KeyAscii == kKeyEscape || KeyAscii == kKeyEnter) return;
        const bool wasOn = IsTrue(mValue);
        mValue = ToBoolean(!wasOn);
        if (wasOn) mState = StateNormal;
        PaintButton();
    }
    mInAccessKey = true;
    const QPointer<bt> self(this);
    Form::DoEvents();
    if (!self) return;
    mInAccessKey = false;
    if (IsUnloaded()) return;
    emit Click();
}

void bt::UserControl_GotFocus() {
    mHasFocus = kTrue;
    if (IsTrue(mIsOver)) {
        mState = StateHover;
    } else if (!IsTrue(mMouseDown)) {
        mState = StateNormal;
    }
}

void bt::UserControl_LostFocus() {
    mHasFocus = kFalse;
    mMouseDown = kFalse;
    mSpaceDown = kFalse;
    mSpacePressed = false;
    mState = IsTrue(mParentActive) && IsTrue(mIsOver) ? StateHover : StateNormal;
    PaintButton();
    if (IsTrue(mIsDefault)) PaintButton();
}

void bt::UserControl_AmbientChanged(const QString& PropertyName) {
    mIsDefault = Ambient().DisplayAsDefault;
    if (PropertyName == QLatin1String("DisplayAsDefault")) PaintButton();
    if (PropertyName == QLatin1String("BackColor")) PaintButton();
}

}  // namespace tirnel
