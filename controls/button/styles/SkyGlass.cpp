// Sky glass: an upper and a lower half, each with its own vertical shade, and 5-pixel side
// strips with horizontal shades that round the glass off at the left and right. At rest
// the glass is made from the back colour in a grey frame; under the pointer it is a pale
// blue-white glass in a blue frame; pressed, a sky-blue glass in a navy frame with three
// shadow lines under the top edge. A focused or default button at rest gets a blue double
// frame.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "controls/button/styles/LookColors.h"
#include "platform/Nearest.h"

namespace tirnel {

namespace {

// The two halves. A tall upper half starts at (1, 1) and runs W-1 by H pixels, under the
// lower half; a short one stops where the lower half begins. The lower half starts at row
// H/2 and runs H-2 rows, past the bottom of the button.
struct Halves {
    Shade upper;
    Shade lower;
    bool tallUpper;
};

constexpr Halves kRestHalves = {{Tone::Back(0.05f), Tone::Back(0.0f)}, {Tone::Back(-0.02f), Tone::Back(-0.15f)}, true};
constexpr Halves kHoverHalves = {{0xFFF7E4, 0xFFF3DA}, {0xFFE9C1, 0xFDE1AE}, false};
constexpr Halves kDownHalves = {{0xF6E4C2, 0xF6E4C2}, {0xF0D29A, 0xF0D29A}, true};

// A side strip's shades from its outer edge to the glass: the upper part from row 3 to row
// H/2, the lower part from row H/2 to row H-2.
struct Strip {
    Shade upper;
    Shade lower;
};

constexpr Strip kHoverStrip = {{0xFFEECD, 0xFFF7E4}, {0xFAD68F, {0xFDE1AC, 0.01f}}};
constexpr Strip kDownStrip = {{{0xE6C891, 0.02f}, {0xF6E4C2, -0.01f}}, {{0xDCAB4E, 0.02f}, {0xF0D29A, -0.01f}}};
constexpr int kStripWidth = 5;

constexpr Color kRestFrame = 0x707070;
constexpr Color kHoverFrame = 0xA77532;
constexpr Color kDownFrame = 0x5C411D;
constexpr Color kInnerLine = 0xFFFFFF;
constexpr Color kFocusInner = 0xFBD848;
constexpr Color kCorner = 0xBE965F;

// The shadow under the top edge of the pressed glass, three rows deep.
constexpr std::array<LookLine, 3> kShadowRows = {{
    {{1, 1, -1, 1}, 0xB39C71},
    {{1, 2, -1, 2}, 0xD6C6A9},
    {{1, 3, -1, 3}, 0xECD9B9},
}};
constexpr Color kShadowColumn = 0xCFB073;

int Half(int H) { return Nearest(H / 2.0); }

void DrawHalves(const ButtonLook& b, ButtonCanvas& c, const Halves& h) {
    const int W = b.mWidth, H = b.mHeight;
    const int upperWidth = h.tallUpper ? W - 1 : W - 2;
    const int upperHeight = h.tallUpper ? H : Half(H);
    PaintShade(b, c, 1, 1, upperWidth, upperHeight, h.upper, GradientVertical);
    PaintShade(b, c, 1, Half(H), W - 2, H - 2, h.lower, GradientVertical);
}

// One strip at column x; mirrored, its shades run from the glass out to the edge.
void DrawStrip(const ButtonLook& b, ButtonCanvas& c, int x, const Strip& s, bool mirrored) {
    const int H = b.mHeight;
    const auto shade = [&](int y, int height, const Shade& outward) {
        const Shade painted = mirrored ? Shade{outward.to, outward.from} : outward;
        PaintShade(b, c, x, y, kStripWidth, height, painted, GradientHorizontal);
    };
    shade(3, Nearest(H / 2.0 - 2), s.upper);
    shade(Half(H), Nearest(H - H / 2.0 - 1), s.lower);
}

void DrawStrips(const ButtonLook& b, ButtonCanvas& c, const Strip& s) {
    DrawStrip(b, c, 1, s, false);
    DrawStrip(b, c, b.mWidth - 1 - kStripWidth, s, true);
}

void DrawDoubleFrame(const ButtonLook& b, ButtonCanvas& c, Color outer, Color inner) {
    c.FrameBox(0, 0, b.mWidth, b.mHeight, outer);
    c.FrameBox(1, 1, b.mWidth - 2, b.mHeight - 2, inner);
}

void DrawDisabled(const ButtonLook& b, ButtonCanvas& c) {
    c.FillBox(b.S(0.03f), b.ButtonRect());
    DrawDoubleFrame(b, c, b.S(-0.25f), b.S(0.25f));
    c.SetCornerPixels(b.S(-0.03f));
}

void DrawGlass(const ButtonLook& b, ButtonCanvas& c) {
    switch (b.mState) {
        case StateNormal:
            DrawHalves(b, c, kRestHalves);
            DrawDoubleFrame(b, c, kRestFrame, kInnerLine);
            break;
        case StateHover:
            DrawHalves(b, c, kHoverHalves);
            DrawStrips(b, c, kHoverStrip);
            DrawDoubleFrame(b, c, kHoverFrame, kInnerLine);
            break;
        case StateDown:
            DrawHalves(b, c, kDownHalves);
            c.FrameBox(0, 0, b.mWidth, b.mHeight, kDownFrame);
            DrawLookLines(b, c, kShadowRows);
            c.DrawLine(1, 1, 1, Nearest(b.mHeight / 2.0 - 1), kShadowColumn);
            DrawStrips(b, c, kDownStrip);
            break;
        default: break;
    }
}

// The blue double frame marks a focused or default button at rest; the dotted rectangle
// needs the focus itself.
void DrawFocusCue(const ButtonLook& b, ButtonCanvas& c) {
    if (!b.mParentActive) return;
    if (b.mState == StateNormal && b.FocusCued()) DrawDoubleFrame(b, c, kHoverFrame, kFocusInner);
    if (b.mShowFocusRect && b.mHasFocus) c.DrawFocusRect(Rect{2, 2, b.mWidth - 2, b.mHeight - 2});
}

}  // namespace

LookDecision DrawSkyGlass(const ButtonLook& Button, ButtonCanvas& Canvas) {
    if (Button.mEnabled) {
        DrawGlass(Button, Canvas);
        DrawFocusCue(Button, Canvas);
        Canvas.SetCornerPixels(kCorner);
    } else {
        DrawDisabled(Button, Canvas);
    }
    return {};
}

}  // namespace tirnel
