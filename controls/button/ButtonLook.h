#pragma once
// What one repaint draws from: a snapshot of the button that PaintButton takes once, after a
// checked button was put down. A look reads it and never writes back; what a look decides
// for the parts drawn after it (the caption colour) it returns as a LookDecision.

#include "controls/button/ButtonColors.h"
#include "controls/button/ButtonEnums.h"
#include "controls/button/ButtonStyleTraits.h"
#include "platform/Colors.h"
#include "platform/Rect.h"

#include <cstdint>
#include <optional>

namespace tirnel {

struct ButtonLook {
    // The button's row of the style table.
    const ButtonStyleTraits& style;
    // The draw state the look is drawn for: StateNormal, StateHover or StateDown.
    std::int32_t mState = 0;
    // The surface size in nearest whole pixels (W and H).
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
    // The caption rectangle widened for a focus mark, as the previous paint laid it out: the
    // caption is laid out after the face.
    Rect mCaptionFocusRect;
    // mBackColor and the container's back colour, as plain RGB.
    Color backColor = 0;
    Color containerBackColor = 0;
    bool mEnabled = true;
    // A check button in its checked state.
    bool checked = false;
    bool mIsOver = false;
    bool mMouseDown = false;
    bool mHasFocus = false;
    bool mIsDefault = false;
    bool mParentActive = false;
    bool mShowFocusRect = false;
    // The container's ambient user mode: true at run time, false in a form designer.
    bool userMode = true;

    // The whole button, (0, 0, W, H).
    Rect ButtonRect() const { return Rect{0, 0, mWidth, mHeight}; }
    // A focus cue belongs on the button: it has the focus or is the default button, in an
    // active window.
    bool FocusCued() const { return mParentActive && (mHasFocus || mIsDefault); }

    // The back colour shifted by an amount.
    Color S(float amount) const { return ShiftColor(backColor, amount); }
    // The unchecked rest look: a button that is not checked, in StateNormal.
    bool AtRest() const { return !checked && mState == StateNormal; }
    // Whether this repaint gives the window the style's shape.
    bool ShapesWindow() const {
        switch (style.shapeWhen) {
            case ShapeWhen::kAtRest: return AtRest();
            case ShapeWhen::kAtRestOrDisabled: return AtRest() || !mEnabled;
            case ShapeWhen::kAtRestEnabled: return AtRest() && mEnabled;
            case ShapeWhen::kAtRestUncued: return AtRest() && !FocusCued();
            case ShapeWhen::kNever: break;
        }
        return false;
    }
};

// What a look decides for what is drawn after it.
struct LookDecision {
    // The caption colour, which the button keeps as its fore colour; nothing leaves it.
    std::optional<Color> foreColor;
};

}  // namespace tirnel
