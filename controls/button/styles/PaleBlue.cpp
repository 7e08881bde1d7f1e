// Pale blue: at rest only a flat fill of the back colour, without a border; under the
// pointer or pressed, a pale blue shade inside a blue frame with a white inner line. No
// focus cue.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"

namespace tirnel {

namespace {

constexpr Color kFrame = 0xCA9E61;
constexpr Color kInnerLine = 0xFFFFFF;

// The shade inside the frame; under the pointer its lower part, from about 59 % of the
// height down, is flat in the shade's end colour.
struct PaleShade {
    Color top, bottom;
    bool flatBelow;
};

constexpr PaleShade kHoverShade = {0xFDF9F1, 0xF8ECD0, true};
constexpr PaleShade kDownShade = {0xF1DEB0, 0xF9F1DB, false};
constexpr double kFlatFrom = 1.7;

void DrawBlueFace(ButtonPainter& b, const PaleShade& shade) {
    const int W = b.mWidth, H = b.mHeight;
    b.PaintGradient(1, 1, W - 2, H - 2, shade.top, shade.bottom, GradientVertical);
    if (shade.flatBelow)
        b.PaintGradient(1, Nearest(H / kFlatFrom), W - 2, H - 2, shade.bottom, shade.bottom, GradientVertical);
    b.FrameBox(0, 0, W, H, kFrame);
    b.FrameBox(1, 1, W - 2, H - 2, kInnerLine);
    b.SetCornerPixels(ShiftColor(kFrame, 0.3f));
}

}  // namespace

void DrawPaleBlue(ButtonPainter& Button, std::int32_t State) {
    ButtonPainter& b = Button;
    b.ReadSize();
    if (!IsTrue(b.mEnabled)) {
        b.FillBox(b.BackColour(), b.mButtonRect);
        b.SetCornerPixels(b.BackColour());
        return;
    }
    switch (State) {
        case StateNormal:
            b.ApplyButtonShape();
            b.FillBox(b.BackColour(), Rect{0, 0, b.mWidth, b.mHeight});
            break;
        case StateHover: DrawBlueFace(b, kHoverShade); break;
        case StateDown: DrawBlueFace(b, kDownShade); break;
        default: break;
    }
}

}  // namespace tirnel
