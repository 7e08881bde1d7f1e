// Grey gradient: a left-to-right shade of the back colour inside a grey-green frame, darker
// when pressed (a checked button always looks pressed), with a dotted focus
// rectangle at run time in an active window.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"

#include <array>

namespace tirnel {

namespace {

// How far the back colour is shifted at the left and at the right edge, by state.
struct GreyShifts {
    float left, right;
};

constexpr std::array<GreyShifts, 3> kShiftsByState = {{
    {0.0f, 0.08f},    // StateNormal
    {0.0f, 0.08f},    // StateHover
    {-0.05f, 0.03f},  // StateDown
}};
constexpr Color kGreyGreen = 0x7D807E;
constexpr int kFocusInset = 3;

bool ShowsFocus(const ButtonLook& b) { return b.focusCued && b.mShowFocusRect && b.userMode; }

}  // namespace

LookDecision DrawGreyGradient(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    const std::int32_t State = b.checked ? StateDown : b.mState;
    if (State < StateNormal || State > StateDown) return {};
    const GreyShifts& shifts = kShiftsByState[static_cast<std::size_t>(State)];
    const int W = b.mWidth, H = b.mHeight;
    Canvas.PaintGradient(0, 0, W, H, b.S(shifts.left), b.S(shifts.right), GradientHorizontal);
    Canvas.FrameBox(0, 0, W, H, kGreyGreen);
    if (ShowsFocus(b)) Canvas.DrawFocusRect(Rect{kFocusInset, kFocusInset, W - kFocusInset, H - kFocusInset});
    return {};
}

}  // namespace tirnel
