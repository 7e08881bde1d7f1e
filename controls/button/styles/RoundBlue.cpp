// Round blue: a soft vertical shade of the back colour inside a dark blue frame with rounded
// corners; an orange glow under the pointer, a blue one on the focused or default button at
// rest; pressed, a darker face with the bevel turned round; disabled, flat and pale.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "controls/button/styles/LookColors.h"

namespace tirnel {

namespace {

constexpr Color kFrame = 0x743C00;

// The glow along the inside of the frame: the hover and the focus glow share it.
constexpr std::array<LinePlace, 8> kGlowLines = {{
    {1, 2, -2, 2}, {1, 1, -2, 1}, {1, 1, 1, -2}, {-2, 2, -2, -2},
    {2, 2, 2, -3}, {-3, 3, -3, -3}, {2, -3, -2, -3}, {2, -2, -2, -2},
}};
constexpr std::array<Color, 8> kHoverGlow = {0x89D8FD, 0xCFF0FF, 0x49BDF9, 0x49BDF9,
                                             0x7AD2FC, 0x7AD2FC, 0x30B3F8, 0x0097E5};
constexpr std::array<Color, 8> kFocusGlow = {0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E,
                                             0xF4D1B8, 0xF4D1B8, 0xE4AD89, 0xEE8269};

// The lower and right shading of the rest look.
constexpr std::array<LookLine, 4> kRestShading = {{
    {{1, -2, -2, -2}, Tone::Back(-0.09f)},
    {{1, -3, -2, -3}, Tone::Back(-0.05f)},
    {{1, -4, -2, -4}, Tone::Back(-0.01f)},
    {{-2, 2, -2, -2}, Tone::Back(-0.08f)},
}};
// The left light line of the rest look is half white, half back colour.
constexpr LinePlace kRestLeftLine = {1, 1, 1, -2};
// The bevel of the pressed look: dark above and left, light below and right.
constexpr std::array<LookLine, 6> kDownShading = {{
    {{1, 1, -2, 1}, Tone::Back(-0.16f)},
    {{1, 2, -2, 2}, Tone::Back(-0.1f)},
    {{1, -2, -2, -2}, Tone::Back(0.07f)},
    {{1, 1, 1, -2}, Tone::Back(-0.16f)},
    {{2, 2, 2, -2}, Tone::Back(-0.1f)},
    {{-2, 2, -2, -2}, Tone::Back(0.04f)},
}};

void DrawDisabled(const ButtonLook& b, ButtonCanvas& c) {
    c.FillBox(b.S(0.03f), b.ButtonRect());
    c.FrameBox(0, 0, b.mWidth, b.mHeight, b.S(-0.1f));
    c.SetCornerPixels(b.S(0.2f));
}

void DrawShade(const ButtonLook& b, ButtonCanvas& c) {
    c.PaintGradient(0, 0, b.mWidth, b.mHeight, b.S(0.07f), b.backColor, GradientVertical);
    c.PaintGradient(0, 0, b.mWidth, 5, b.S(0.2f), b.S(0.08f), GradientVertical);
}

void DrawFace(const ButtonLook& b, ButtonCanvas& c) {
    switch (b.mState) {
        case StateNormal:
            DrawShade(b, c);
            DrawLookLines(b, c, kRestShading);
            DrawLineAt(b, c, kRestLeftLine, MixColors(kWhite, b.backColor));
            break;
        case StateHover:
            DrawShade(b, c);
            DrawLinesIn(b, c, kGlowLines, kHoverGlow);
            break;
        case StateDown:
            c.FillBox(b.S(-0.05f), b.ButtonRect());
            DrawLookLines(b, c, kDownShading);
            break;
        default: break;
    }
}

}  // namespace

LookDecision DrawRoundBlue(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    if (!b.mEnabled) {
        DrawDisabled(b, c);
        return {};
    }
    DrawFace(b, c);
    if (b.FocusCued() && b.mState == StateNormal) DrawLinesIn(b, c, kGlowLines, kFocusGlow);
    if (b.FocusCued() && b.mShowFocusRect) c.DrawFocusRect(Rect{2, 2, b.mWidth - 2, b.mHeight - 2});
    c.FrameBox(0, 0, b.mWidth, b.mHeight, kFrame);
    c.SetCornerPixels(ShiftColor(kFrame, 0.3f));
    return {};
}

}  // namespace tirnel
