// The shaded looks, both made of tones of the back colour so they suit any BackColor.
// Shaded: white fading into the back colour over the top half, a white inner line along the
// top and sides, a darker outer frame and a darker bottom line; pressed, the whole face
// darkens. Shaded round: a thin light band over the top five rows, a long shade below it,
// a frame clearly darker than the face and very dark corner pixels.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"

#include <array>
#include <cstddef>

namespace tirnel {

namespace {


// The shaded face: the upper half's fade from white, the lower part's shade, the outer frame
// and the bottom line.
struct ShadedFace {
    Shade upper;
    Shade lower;
    Tone frame;
    Tone bottom;
};

// At rest and under the pointer the lower part is a flat fill of the back colour.
constexpr ShadedFace kRaised = {{kWhite, Tone::Back(0.0f)}, {Tone::Back(0.0f), Tone::Back(0.0f)},
                                Tone::Back(-0.2f), Tone::Back(-0.25f)};
constexpr ShadedFace kPressed = {{kWhite, Tone::Back(-0.1f)}, {Tone::Back(-0.1f), Tone::Back(-0.05f)},
                                 Tone::Back(-0.23f), Tone::Back(-0.4f)};

void DrawShadedFace(const ButtonLook& b, ButtonCanvas& c, const ShadedFace& face) {
    const int W = b.mWidth, H = b.mHeight;
    const int half = Nearest(H / 2.0);
    PaintShade(b, c, 0, 0, W, half, face.upper, GradientVertical);
    // Runs H rows from the middle: its last rows fall below the button.
    PaintShade(b, c, 0, half, W, H, face.lower, GradientVertical);
    // White at x = 1, x = W-2 and y = 1; the bottom line of this frame falls outside.
    c.FrameBox(1, 1, W - 2, H, kWhite);
    c.FrameBox(0, 0, W, H, face.frame.On(b));
    c.DrawLine(2, H - 1, W - 2, H - 1, face.bottom.On(b));
}

// The dotted rectangle goes round the caption as it was laid out by the previous paint:
// the caption is laid out after the face, and a pressed paint keeps the last one before it.
void DrawCaptionFocus(const ButtonLook& b, ButtonCanvas& c) {
    if (b.FocusCued() && b.mShowFocusRect) c.DrawFocusRect(b.mCaptionFocusRect);
}

// The shaded round look of one state, as shifts of the back colour: the fill, the top
// band's base tone and how far its lighter end is lifted after mixing with white, the ends
// of the lower shade (the lighter one mixed with white) and the frame.
struct RoundTones {
    float fill;
    float bandBase, bandLift;
    float shadeFrom, shadeTo;
    float frame;
};

constexpr std::array<RoundTones, 3> kRoundTones = {{
    {0.0f, 0.0f, 0.1f, -0.05f, 0.1f, -0.33f},     // StateNormal
    {0.05f, 0.05f, 0.15f, 0.0f, 0.15f, -0.28f},   // StateHover
    {-0.03f, 0.0f, 0.1f, -0.08f, 0.07f, -0.36f},  // StateDown
}};
constexpr float kRoundCorner = -0.5f;

}  // namespace

LookDecision DrawShaded(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    // A disabled button looks as one at rest, whatever the state.
    const bool pressed = b.mEnabled && b.mState == StateDown;
    DrawShadedFace(b, c, pressed ? kPressed : kRaised);
    c.SetCornerPixels(b.S(0.05f));
    DrawCaptionFocus(b, c);
    return {};
}

LookDecision DrawShadedRound(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    if (b.mState < StateNormal || b.mState > StateDown) return {};
    const RoundTones& t = kRoundTones[static_cast<std::size_t>(b.mState)];
    const int W = b.mWidth, H = b.mHeight;
    c.FillBox(b.S(t.fill), Rect{0, 0, W, H});
    const Color bandBase = b.S(t.bandBase);
    c.PaintGradient(0, 0, W, 5, ShiftColor(MixColors(bandBase, kWhite), t.bandLift), bandBase, GradientVertical);
    // Row 5 keeps the fill. The shade runs H-1 rows from row 6, so its lightest rows are cut
    // off at the bottom.
    c.PaintGradient(0, 6, W, H - 1, b.S(t.shadeFrom), MixColors(kWhite, b.S(t.shadeTo)), GradientVertical);
    c.FrameBox(0, 0, W, H, b.S(t.frame));
    c.SetCornerPixels(b.S(kRoundCorner));
    return {};
}

}  // namespace tirnel
