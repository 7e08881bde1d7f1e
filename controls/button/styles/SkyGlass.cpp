// Sky glass: an upper and a lower half, each with its own vertical shade, and 5-pixel side
// strips with horizontal shades that round the glass off at the left and right. At rest
// the glass is made from the back colour in a grey frame; under the pointer it is a pale
// blue-white glass in a blue frame; pressed, a sky-blue glass in a navy frame with three
// shadow lines under the top edge. A focused or default button at rest gets a blue double
// frame.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "controls/button/styles/StyleLines.h"
#include "platform/Nearest.h"

namespace tirnel {

namespace {

// A colour of the glass: a fixed colour, or the back colour, shifted by an amount.
struct Tone {
    Color colour;
    float shift;
    bool ofBack;
};

constexpr Tone Fixed(Color colour, float shift = 0.0f) { return {colour, shift, false}; }
constexpr Tone Back(float shift) { return {0, shift, true}; }

Color Resolve(const ButtonLook& b, const Tone& tone) {
    return ShiftColor(tone.ofBack ? b.backColor : tone.colour, tone.shift);
}

// The two halves. A tall upper half starts at (1, 1) and runs W-1 by H pixels, under the
// lower half; a short one stops where the lower half begins. The lower half starts at row
// H/2 and runs H-2 rows, past the bottom of the button.
struct Halves {
    Tone upperFrom, upperTo;
    Tone lowerFrom, lowerTo;
    bool tallUpper;
};

constexpr Halves kRestHalves = {Back(0.05f), Back(0.0f), Back(-0.02f), Back(-0.15f), true};
constexpr Halves kHoverHalves = {Fixed(0xFFF7E4), Fixed(0xFFF3DA), Fixed(0xFFE9C1), Fixed(0xFDE1AE), false};
constexpr Halves kDownHalves = {Fixed(0xF6E4C2), Fixed(0xF6E4C2), Fixed(0xF0D29A), Fixed(0xF0D29A), true};

// A side strip from its outer edge to the glass: the upper part from row 3 to row H/2, the
// lower part from row H/2 to row H-2.
struct Strip {
    Tone upperOuter, upperInner;
    Tone lowerOuter, lowerInner;
};

constexpr Strip kHoverStrip = {Fixed(0xFFEECD), Fixed(0xFFF7E4), Fixed(0xFAD68F), Fixed(0xFDE1AC, 0.01f)};
constexpr Strip kDownStrip = {Fixed(0xE6C891, 0.02f), Fixed(0xF6E4C2, -0.01f), Fixed(0xDCAB4E, 0.02f),
                              Fixed(0xF0D29A, -0.01f)};
constexpr int kStripWidth = 5;

constexpr Color kRestFrame = 0x707070;
constexpr Color kHoverFrame = 0xA77532;
constexpr Color kDownFrame = 0x5C411D;
constexpr Color kInnerLine = 0xFFFFFF;
constexpr Color kFocusInner = 0xFBD848;
constexpr Color kCorner = 0xBE965F;

// The shadow under the top edge of the pressed glass, three rows deep.
constexpr std::array<StyleLine, 3> kShadowRows = {{{1, 1, -1, 1}, {1, 2, -1, 2}, {1, 3, -1, 3}}};
constexpr std::array<Color, 3> kShadowColours = {0xB39C71, 0xD6C6A9, 0xECD9B9};
constexpr Color kShadowColumn = 0xCFB073;

int Half(int H) { return Nearest(H / 2.0); }

void DrawHalves(const ButtonLook& b, ButtonCanvas& c, const Halves& h) {
    const int W = b.mWidth, H = b.mHeight;
    const int upperWidth = h.tallUpper ? W - 1 : W - 2;
    const int upperHeight = h.tallUpper ? H : Half(H);
    c.PaintGradient(1, 1, upperWidth, upperHeight, Resolve(b, h.upperFrom), Resolve(b, h.upperTo), GradientVertical);
    c.PaintGradient(1, Half(H), W - 2, H - 2, Resolve(b, h.lowerFrom), Resolve(b, h.lowerTo), GradientVertical);
}

// One strip at column x; mirrored, its shades run from the glass out to the edge.
void DrawStrip(const ButtonLook& b, ButtonCanvas& c, int x, const Strip& s, bool mirrored) {
    const int H = b.mHeight;
    const auto shade = [&](int y, int height, const Tone& outer, const Tone& inner) {
        const Color o = Resolve(b, outer), i = Resolve(b, inner);
        c.PaintGradient(x, y, kStripWidth, height, mirrored ? i : o, mirrored ? o : i, GradientHorizontal);
    };
    shade(3, Nearest(H / 2.0 - 2), s.upperOuter, s.upperInner);
    shade(Half(H), Nearest(H - H / 2.0 - 1), s.lowerOuter, s.lowerInner);
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
    c.FillBox(b.S(0.03f), Rect{0, 0, b.mWidth, b.mHeight});
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
            DrawStyleLines(b, c, kShadowRows, kShadowColours);
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
    if (b.mState == StateNormal && b.focusCued) DrawDoubleFrame(b, c, kHoverFrame, kFocusInner);
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
