// Round blue: a soft vertical shade of the back colour inside a dark blue frame with rounded
// corners; an orange glow under the pointer, a blue one on the focused or default button at
// rest; pressed, a darker face with the bevel turned round; disabled, flat and pale.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "controls/button/styles/StyleLines.h"

namespace tirnel {

namespace {

constexpr Color kFrame = 0x743C00;

// The glow along the inside of the frame: the hover and the focus glow share it.
constexpr std::array<StyleLine, 8> kGlowLines = {{
    {1, 2, -2, 2}, {1, 1, -2, 1}, {1, 1, 1, -2}, {-2, 2, -2, -2},
    {2, 2, 2, -3}, {-3, 3, -3, -3}, {2, -3, -2, -3}, {2, -2, -2, -2},
}};
constexpr std::array<Color, 8> kHoverGlow = {0x89D8FD, 0xCFF0FF, 0x49BDF9, 0x49BDF9,
                                             0x7AD2FC, 0x7AD2FC, 0x30B3F8, 0x0097E5};
constexpr std::array<Color, 8> kFocusGlow = {0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E,
                                             0xF4D1B8, 0xF4D1B8, 0xE4AD89, 0xEE8269};

// The lower and right shading of the rest look.
constexpr std::array<ShadedLine, 4> kRestShading = {{
    {{1, -2, -2, -2}, -0.09f},
    {{1, -3, -2, -3}, -0.05f},
    {{1, -4, -2, -4}, -0.01f},
    {{-2, 2, -2, -2}, -0.08f},
}};
// The bevel of the pressed look: dark above and left, light below and right.
constexpr std::array<ShadedLine, 6> kDownShading = {{
    {{1, 1, -2, 1}, -0.16f},
    {{1, 2, -2, 2}, -0.1f},
    {{1, -2, -2, -2}, 0.07f},
    {{1, 1, 1, -2}, -0.16f},
    {{2, 2, 2, -2}, -0.1f},
    {{-2, 2, -2, -2}, 0.04f},
}};

void DrawDisabled(ButtonPainter& b) {
    b.ApplyButtonShape();
    b.FillBox(b.S(0.03f), b.mButtonRect);
    b.FrameBox(0, 0, b.mWidth, b.mHeight, b.S(-0.1f));
    b.SetCornerPixels(b.S(0.2f));
}

void DrawShade(ButtonPainter& b) {
    b.PaintGradient(0, 0, b.mWidth, b.mHeight, b.S(0.07f), b.BackColour(), GradientVertical);
    b.PaintGradient(0, 0, b.mWidth, 5, b.S(0.2f), b.S(0.08f), GradientVertical);
}

void DrawFace(ButtonPainter& b, std::int32_t State) {
    switch (State) {
        case StateNormal:
            b.ApplyButtonShape();
            DrawShade(b);
            DrawShadedLines(b, kRestShading);
            DrawStyleLine(b, {1, 1, 1, -2}, MixColors(kWhite, b.BackColour()));
            break;
        case StateHover:
            DrawShade(b);
            DrawStyleLines(b, kGlowLines, kHoverGlow);
            break;
        case StateDown:
            b.FillBox(b.S(-0.05f), b.mButtonRect);
            DrawShadedLines(b, kDownShading);
            break;
        default: break;
    }
}

}  // namespace

void DrawRoundBlue(ButtonPainter& Button, std::int32_t State) {
    ButtonPainter& b = Button;
    b.ReadSize();
    if (!IsTrue(b.mEnabled)) {
        DrawDisabled(b);
        return;
    }
    DrawFace(b, State);
    const bool active = b.FocusCued();
    if (active && State == StateNormal) DrawStyleLines(b, kGlowLines, kFocusGlow);
    if (active && IsTrue(b.mShowFocusRect)) b.DrawFocusRect(Rect{2, 2, b.mWidth - 2, b.mHeight - 2});
    b.FrameBox(0, 0, b.mWidth, b.mHeight, kFrame);
    b.SetCornerPixels(ShiftColor(kFrame, 0.3f));
}

}  // namespace tirnel
