// Silver: flat back colour at rest; under the pointer a silver shade in two bands with a soft
// shadow along the bottom and right; pressed, a darker silver with a bevel; checked, a
// near-white face in a blue-grey frame. The look also decides the caption colour: white on
// the pressed face, the system button-text colour otherwise.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Nearest.h"

namespace tirnel {

namespace {

const Color kButtonText = TranslateColor(SystemColor(kColorButtonText));

// The checked face: near white in a blue-grey frame.
constexpr Color kCheckedFace = 0xFEFEFE;
constexpr Color kCheckedFrame = 0xAF987A;
constexpr Tone kCheckedCorners(0xC1B3A0, -0.2f);
// Hovering a checked button adds a shadow along the right and the bottom.
constexpr std::array<LookLine, 4> kCheckedHoverLines = {{
    {{-2, 2, -2, -2}, 0xEDF0F2},
    {{2, -2, -2, -2}, 0xD8DEE4},
    {{1, -3, -1, -3}, 0xE8ECEF},
    {{1, -4, -1, -4}, 0xF8F9FA},
}};

// The hover shade: two bands meeting at half height, a shadow on the right and rows across
// the whole width near the bottom.
constexpr std::array<Shade, 2> kHoverBands = {{{0xFDFEFE, 0xEEF4F4}, {0xEEF4F4, 0xEAF1F1}}};
constexpr std::array<LookLine, 5> kHoverShadow = {{
    {{-2, 2, -2, -2}, 0xE0E7EA},
    {{-3, 2, -3, -2}, 0xEAF0F0},
    {{0, -4, kFarEdge, -4}, 0xE5EDEE},
    {{0, -3, kFarEdge, -3}, 0xD6E1E4},
    {{0, -2, kFarEdge, -2}, 0xC6D2D7},
}};
constexpr Color kHoverFrame = 0xC3CECE;
constexpr Tone kHoverCorners(0xC9D4D4, -0.05f);

// The pressed face: a bevel of two dark rows above and two light rows below.
constexpr Color kDownFace = 0xDDE4E5;
constexpr std::array<LookLine, 4> kDownBevel = {{
    {{1, 1, -2, 1}, {0xD1DADC, -0.02f}},
    {{1, 2, -2, 2}, {0xDAE1E3, -0.02f}},
    {{1, -3, -2, -3}, {0xDEE5E6, 0.02f}},
    {{1, -2, -2, -2}, {0xE5EAEB, 0.02f}},
}};
constexpr Color kDownFrame = 0x929D9D;
constexpr Tone kDownCorners(0xABB4B5, -0.2f);

// A frame around the whole button with its inner corners softened.
void DrawFrame(const ButtonLook& b, ButtonCanvas& c, Color frame, const Tone& corners) {
    c.FrameBox(0, 0, b.mWidth, b.mHeight, frame);
    c.SetCornerPixels(corners.On(b));
}

void DrawChecked(const ButtonLook& b, ButtonCanvas& c, std::int32_t State) {
    c.FillBox(kCheckedFace, b.ButtonRect());
    DrawFrame(b, c, kCheckedFrame, kCheckedCorners);
    if (State == StateHover) DrawLookLines(b, c, kCheckedHoverLines);
}

void DrawHover(const ButtonLook& b, ButtonCanvas& c) {
    const int half = Nearest(b.mHeight / 2.0);
    for (std::size_t i = 0; i < kHoverBands.size(); ++i)
        PaintShade(b, c, 0, static_cast<int>(i) * half, b.mWidth, half, kHoverBands[i], GradientVertical);
    DrawLookLines(b, c, kHoverShadow);
    DrawFrame(b, c, kHoverFrame, kHoverCorners);
}

void DrawDown(const ButtonLook& b, ButtonCanvas& c) {
    c.FillBox(kDownFace, b.ButtonRect());
    DrawLookLines(b, c, kDownBevel);
    DrawFrame(b, c, kDownFrame, kDownCorners);
}

}  // namespace

LookDecision DrawSilver(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    c.ContainerBackground(b.containerBackColor);
    // A checked button held under the mouse shows the pressed look; otherwise its own.
    const std::int32_t State = b.checked && b.mMouseDown ? StateDown : b.mState;
    if (b.checked && State != StateDown) {
        DrawChecked(b, c, State);
        return {.foreColor = kButtonText};
    }
    switch (State) {
        case StateNormal: c.FillBox(b.backColor, b.ButtonRect()); break;
        case StateHover: DrawHover(b, c); break;
        case StateDown: DrawDown(b, c); break;
        default: break;
    }
    return {.foreColor = State == StateDown ? kWhite : kButtonText};
}

}  // namespace tirnel
