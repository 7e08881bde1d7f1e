// Orange hover: at rest two soft halves of the back colour with no border; hovered, pressed or
// checked a full-height orange shade inside a navy frame. A checked button shows its own shade
// while the pointer is away and the pressed shade while it is over it, whatever the state.
// No focus cue.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"


namespace tirnel {

namespace {

constexpr Shade kHoverShade = {0xCCF4FF, 0x91D0FF};
constexpr Shade kPressedShade = {0x4E91FE, 0x8ED3FF};
constexpr Shade kCheckedShade = {0x8CD5FF, 0x55ADFF};
constexpr Color kNavy = 0x800000;
// At rest the upper half lightens towards the top; the lower half starts just below the back
// colour and darkens downwards.
constexpr Shade kRestUpper = {Tone::Back(0.05f), Tone::Back(0.0f)};
constexpr Shade kRestLower = {Tone::Back(-0.01f), Tone::Back(-0.13f)};

// The lower half's height, nearest(H / 2 + 1), may reach past the bottom row.
void DrawRestHalves(const ButtonLook& b, ButtonCanvas& c) {
    const int W = b.mWidth;
    const double H = b.mHeight;
    const int half = Nearest(H / 2);
    PaintShade(b, c, 0, 0, W, half, kRestUpper, GradientVertical);
    PaintShade(b, c, 0, half, W, Nearest(H / 2 + 1), kRestLower, GradientVertical);
}

void DrawFramedShade(const ButtonLook& b, ButtonCanvas& c, const Shade& shade) {
    PaintShade(b, c, 0, 0, b.mWidth, b.mHeight, shade, GradientVertical);
    c.FrameBox(0, 0, b.mWidth, b.mHeight, kNavy);
}

}  // namespace

LookDecision DrawOrangeHover(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    if (b.checked) {
        DrawFramedShade(b, c, b.mIsOver ? kPressedShade : kCheckedShade);
        return {};
    }
    switch (b.mState) {
        case StateNormal: DrawRestHalves(b, c); break;
        case StateHover: DrawFramedShade(b, c, kHoverShade); break;
        case StateDown: DrawFramedShade(b, c, kPressedShade); break;
        default: break;
    }
    return {};
}

}  // namespace tirnel
