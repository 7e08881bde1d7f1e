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

bool ShowsFocus(const ButtonPainter& b) {
    return b.FocusCued() && IsTrue(b.mShowFocusRect) && IsTrue(b.UserMode());
}

}  // namespace

void DrawGreyGradient(ButtonPainter& Button, std::int32_t State) {
    ButtonPainter& b = Button;
    b.ReadSize();
    if (b.Checked()) State = StateDown;
    if (State < StateNormal || State > StateDown) return;
    if (State == StateNormal) b.ApplyButtonShape();
    const GreyShifts& shifts = kShiftsByState[static_cast<std::size_t>(State)];
    const int W = b.mWidth, H = b.mHeight;
    b.PaintGradient(0, 0, W, H, b.S(shifts.left), b.S(shifts.right), GradientHorizontal);
    b.FrameBox(0, 0, W, H, kGreyGreen);
    if (ShowsFocus(b)) b.DrawFocusRect(Rect{kFocusInset, kFocusInset, W - kFocusInset, H - kFocusInset});
}

}  // namespace tirnel
