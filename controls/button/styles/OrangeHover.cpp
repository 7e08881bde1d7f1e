// Orange hover: at rest two soft halves of the back colour with no border; hovered, pressed or
// checked a full-height orange shade inside a navy frame. A checked button shows its own shade
// while the pointer is away and the pressed shade while it is over it, whatever the state.
// No focus cue.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"


namespace tirnel {

namespace {

// A vertical shade from the top colour to the bottom one.
struct OrangeShade {
    Color top, bottom;
};

constexpr OrangeShade kHoverShade = {0xCCF4FF, 0x91D0FF};
constexpr OrangeShade kPressedShade = {0x4E91FE, 0x8ED3FF};
constexpr OrangeShade kCheckedShade = {0x8CD5FF, 0x55ADFF};
constexpr Color kNavy = 0x800000;

// The upper half lightens towards the top; the lower half starts just below the back colour
// and darkens downwards. Its height, nearest(H / 2 + 1), may reach past the bottom row.
void DrawRestHalves(const ButtonLook& b, ButtonCanvas& c) {
    const int W = b.mWidth;
    const double H = b.mHeight;
    const int half = Nearest(H / 2);
    c.PaintGradient(0, 0, W, half, b.S(0.05f), b.backColor, GradientVertical);
    c.PaintGradient(0, half, W, Nearest(H / 2 + 1), b.S(-0.01f), b.S(-0.13f), GradientVertical);
}

void DrawFramedShade(const ButtonLook& b, ButtonCanvas& c, const OrangeShade& shade) {
    c.PaintGradient(0, 0, b.mWidth, b.mHeight, shade.top, shade.bottom, GradientVertical);
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
