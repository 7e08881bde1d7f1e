// Amber: two full-width bands split at 1/2.7 of the height. At rest they are shaded from the
// back colour; under the pointer and pressed they turn amber and orange, and a checked button
// keeps amber bands at rest and shows the pressed bands while the pointer is over it. Always
// framed in a darker tone of the back colour; no window shape of its own, no disabled look
// and no focus cue.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"


namespace tirnel {

namespace {

// The upper band's shade (top to bottom) and the lower band's.
struct AmberBands {
    Shade upper;
    Shade lower;
};

constexpr AmberBands kCheckedBands = {{0xA9D9FF, 0x6FC0FF}, {0x3FABFF, 0x75E1FF}};
constexpr AmberBands kHoverBands = {{0xE1FFFF, 0xACEAFF}, {0x67D7FF, 0x99E4FF}};
constexpr AmberBands kPressedBands = {{0x58C1FF, 0x51AFFF}, {0x468FFF, 0x5FD3FF}};
constexpr Tone kFrame = Tone::Back(-0.34f);

// The rest look's bands come from the back colour: a whitened top, then the plain colour
// lightening slightly downwards.
AmberBands RestBands(const ButtonLook& b) {
    return {{MixColors(b.S(0.09f), kWhite), MixColors(b.S(0.07f), b.backColor)},
            {Tone::Back(0.0f), Tone::Back(0.03f)}};
}

// Both halves are rounded as whole expressions, so the lower band may reach one row past the
// bottom, where the surface clips it.
void PaintBands(const ButtonLook& b, ButtonCanvas& c, const AmberBands& bands) {
    const int W = b.mWidth;
    const double H = b.mHeight;
    const int split = Nearest(H / 2.7);
    PaintShade(b, c, 0, 0, W, split, bands.upper, GradientVertical);
    PaintShade(b, c, 0, split, W, Nearest(H - H / 2.7), bands.lower, GradientVertical);
}

void FrameAmber(const ButtonLook& b, ButtonCanvas& c) { c.FrameBox(0, 0, b.mWidth, b.mHeight, kFrame.On(b)); }

// A checked button under the pointer is framed once over its checked bands and once more over
// the pressed bands drawn on top of them.
void DrawCheckedBands(const ButtonLook& b, ButtonCanvas& c) {
    PaintBands(b, c, kCheckedBands);
    if (!b.mIsOver) return;
    FrameAmber(b, c);
    PaintBands(b, c, kPressedBands);
}

}  // namespace

LookDecision DrawAmber(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    if (b.checked) {
        DrawCheckedBands(b, c);
    } else if (b.mState == StateNormal) {
        c.FillBox(b.backColor, b.ButtonRect());
        PaintBands(b, c, RestBands(b));
    } else if (b.mState == StateHover || b.mState == StateDown) {
        PaintBands(b, c, b.mState == StateHover ? kHoverBands : kPressedBands);
    } else {
        return {};
    }
    FrameAmber(b, c);
    return {};
}

}  // namespace tirnel
