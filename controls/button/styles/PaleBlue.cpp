// Pale blue: at rest only a flat fill of the back colour, without a border; under the
// pointer or pressed, a pale blue shade inside a blue frame with a white inner line. No
// focus cue.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"

namespace tirnel {

namespace {

constexpr Color kFrame = 0xCA9E61;
constexpr Color kInnerLine = 0xFFFFFF;

// The shade inside the frame; under the pointer its lower part, from about 59 % of the
// height down, is flat in the shade's end colour.
constexpr Shade kHoverShade = {0xFDF9F1, 0xF8ECD0};
constexpr Shade kDownShade = {0xF1DEB0, 0xF9F1DB};
constexpr double kFlatFrom = 1.7;

void DrawBlueFace(const ButtonLook& b, ButtonCanvas& c, const Shade& shade, bool flatBelow) {
    const int W = b.mWidth, H = b.mHeight;
    PaintShade(b, c, 1, 1, W - 2, H - 2, shade, GradientVertical);
    if (flatBelow)
        PaintShade(b, c, 1, Nearest(H / kFlatFrom), W - 2, H - 2, {shade.to, shade.to}, GradientVertical);
    c.FrameBox(0, 0, W, H, kFrame);
    c.FrameBox(1, 1, W - 2, H - 2, kInnerLine);
    c.SetCornerPixels(ShiftColor(kFrame, 0.3f));
}

}  // namespace

LookDecision DrawPaleBlue(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    if (!b.mEnabled) {
        c.FillBox(b.backColor, b.ButtonRect());
        c.SetCornerPixels(b.backColor);
        return {};
    }
    switch (b.mState) {
        case StateNormal: c.FillBox(b.backColor, b.ButtonRect()); break;
        case StateHover: DrawBlueFace(b, c, kHoverShade, true); break;
        case StateDown: DrawBlueFace(b, c, kDownShade, false); break;
        default: break;
    }
    return {};
}

}  // namespace tirnel
