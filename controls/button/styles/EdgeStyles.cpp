// The looks of ordinary push buttons: a face of the back colour with the platform's 3-D
// edges or plain frames. The style picks the variant.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"

namespace tirnel {

namespace {

const Color kWorkspace = TranslateColor(SystemColor(kColorAppWorkspace));
const Color kGreyText = TranslateColor(SystemColor(kColorGrayText));
constexpr Color kPressedInnerFrame = 0x99A8AC;
constexpr Color kBlack = 0x000000;

bool Thin(std::int32_t style) { return style == StyleThinEdge || style == StyleFlatHover; }

// A checked button: a slightly lighter face, sunken except in the flat style.
void DrawChecked(ButtonPainter& b) {
    const int W = b.mWidth, H = b.mHeight;
    b.FillBox(b.S(0.02f), b.mButtonRect);
    if (b.mButtonStyle == StyleFlatHover) return;
    b.DrawEdge(b.mButtonRect, kEdgeSunken);
    if (b.mButtonStyle == StyleStandard && IsTrue(b.mShowFocusRect) && IsTrue(b.mHasFocus))
        b.FrameBox(4, 4, W - 7, H - 7, kWorkspace);
}

void DrawFace(ButtonPainter& b, std::int32_t State) {
    const int W = b.mWidth, H = b.mHeight;
    const std::int32_t style = b.mButtonStyle;
    switch (State) {
        case StateNormal:
            b.ApplyButtonShape();
            b.FillBox(b.BackColour(), b.mButtonRect);
            if (style == StyleStandard) b.DrawEdge(b.mButtonRect, kEdgeRaised);
            if (style == StyleThinEdge) b.DrawEdge(b.mButtonRect, kBdrRaisedInner);
            break;
        case StateHover:
            b.FillBox(b.BackColour(), b.mButtonRect);
            b.DrawEdge(b.mButtonRect, Thin(style) ? kBdrRaisedInner : kEdgeRaised);
            break;
        case StateDown:
            b.FillBox(b.BackColour(), b.mButtonRect);
            if (style == StyleStandard) {
                b.FrameBox(1, 1, W - 2, H - 2, kPressedInnerFrame);
                b.FrameBox(0, 0, W, H, kBlack);
            } else if (Thin(style)) {
                // The second frame's right and bottom fall outside: grey top and left, white
                // right and bottom.
                b.FrameBox(0, 0, W, H, kWhite);
                b.FrameBox(0, 0, W + 1, H + 1, kGreyText);
            } else {
                b.DrawEdge(b.mButtonRect, kEdgeSunken);
            }
            break;
        default: break;
    }
}

// The dotted rectangle at run time in an active window, and the standard style's default
// frame.
void DrawFocusCue(ButtonPainter& b, std::int32_t State) {
    if (!IsTrue(b.mHasFocus) && !IsTrue(b.mIsDefault)) return;
    const int W = b.mWidth, H = b.mHeight;
    const std::int32_t style = b.mButtonStyle;
    if (IsTrue(b.mShowFocusRect) && IsTrue(b.UserMode()) && IsTrue(b.mParentActive)) {
        const int inset = Thin(style) ? 3 : 4;
        b.DrawFocusRect(Rect{inset, inset, W - inset, H - inset});
    }
    if (style == StyleStandard && (State == StateNormal || State == StateHover)) {
        b.DrawEdge(Rect{0, 0, W - 1, H - 1}, kEdgeRaised);
        b.FrameBox(0, 0, W - 1, H - 1, kWorkspace);
        b.FrameBox(0, 0, W, H, kBlack);
    }
}

}  // namespace

void DrawEdgeStyles(ButtonPainter& Button, std::int32_t State) {
    Button.ReadSize();
    if (Button.Checked()) {
        DrawChecked(Button);
        return;
    }
    DrawFace(Button, State);
    DrawFocusCue(Button, State);
}

}  // namespace tirnel
