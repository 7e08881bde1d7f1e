// Grey gradient: a left-to-right shade of the back colour inside a grey-green frame, darker
// when pressed (a checked button always looks pressed), with a dotted focus
// rectangle at run time in an active window.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"

#include <array>

namespace tirnel {

namespace {

// The shade from the left edge to the right, by state.
constexpr std::array<Shade, 3> kShadeByState = {{
    {Tone::Back(0.0f), Tone::Back(0.08f)},    // StateNormal
    {Tone::Back(0.0f), Tone::Back(0.08f)},    // StateHover
    {Tone::Back(-0.05f), Tone::Back(0.03f)},  // StateDown
}};
constexpr Color kGreyGreen = 0x7D807E;
constexpr int kFocusInset = 3;

bool ShowsFocus(const ButtonLook& b) { return b.FocusCued() && b.mShowFocusRect && b.userMode; }

}  // namespace

LookDecision DrawGreyGradient(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    const std::int32_t State = b.checked ? StateDown : b.mState;
    if (State < StateNormal || State > StateDown) return {};
    const int W = b.mWidth, H = b.mHeight;
    PaintShade(b, Canvas, 0, 0, W, H, kShadeByState[static_cast<std::size_t>(State)], GradientHorizontal);
    Canvas.FrameBox(0, 0, W, H, kGreyGreen);
    if (ShowsFocus(b)) Canvas.DrawFocusRect(Rect{kFocusInset, kFocusInset, W - kFocusInset, H - kFocusInset});
    return {};
}

}  // namespace tirnel
