// The looks of ordinary push buttons: a face of the back colour with the platform's 3-D
// edges or plain frames. The style's row says which edges and frames.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"

#include <array>

namespace tirnel {

namespace {

const Color kWorkspace = TranslateColor(SystemColor(kColorAppWorkspace));
const Color kGreyText = TranslateColor(SystemColor(kColorGrayText));
constexpr Color kPressedInnerFrame = 0x99A8AC;
constexpr Color kBlack = 0x000000;

// A checked button: a slightly lighter face, sunken unless the look has no checked edge.
void DrawChecked(const ButtonLook& b, ButtonCanvas& c) {
    const EdgeLook& edges = b.style.edges;
    c.FillBox(b.S(0.02f), b.ButtonRect());
    if (edges.checked == 0) return;
    c.DrawEdge(b.ButtonRect(), edges.checked);
    if (edges.focusFrames && b.mShowFocusRect && b.mHasFocus)
        c.FrameBox(4, 4, b.mWidth - 7, b.mHeight - 7, kWorkspace);
}

// The frames of a pressed button, by EdgePressed.
void DrawSunken(const ButtonLook& b, ButtonCanvas& c) { c.DrawEdge(b.ButtonRect(), kEdgeSunken); }

void DrawBlackFrame(const ButtonLook& b, ButtonCanvas& c) {
    c.FrameBox(1, 1, b.mWidth - 2, b.mHeight - 2, kPressedInnerFrame);
    c.FrameBox(0, 0, b.mWidth, b.mHeight, kBlack);
}

// The second frame's right and bottom fall outside: grey top and left, white right and bottom.
void DrawWhiteAndGrey(const ButtonLook& b, ButtonCanvas& c) {
    c.FrameBox(0, 0, b.mWidth, b.mHeight, kWhite);
    c.FrameBox(0, 0, b.mWidth + 1, b.mHeight + 1, kGreyText);
}

using PressedFrames = void (*)(const ButtonLook& b, ButtonCanvas& c);
constexpr std::array<PressedFrames, 3> kPressedFrames = {&DrawSunken, &DrawBlackFrame, &DrawWhiteAndGrey};

void DrawFace(const ButtonLook& b, ButtonCanvas& c) {
    const EdgeLook& edges = b.style.edges;
    switch (b.mState) {
        case StateNormal:
            c.FillBox(b.backColor, b.ButtonRect());
            if (edges.rest != 0) c.DrawEdge(b.ButtonRect(), edges.rest);
            break;
        case StateHover:
            c.FillBox(b.backColor, b.ButtonRect());
            c.DrawEdge(b.ButtonRect(), edges.hover);
            break;
        case StateDown:
            c.FillBox(b.backColor, b.ButtonRect());
            kPressedFrames[static_cast<std::size_t>(edges.pressed)](b, c);
            break;
        default: break;
    }
}

// The dotted rectangle at run time in an active window, and the default-button frame of
// the looks that have one.
void DrawFocusCue(const ButtonLook& b, ButtonCanvas& c) {
    if (!b.mHasFocus && !b.mIsDefault) return;
    const EdgeLook& edges = b.style.edges;
    const int W = b.mWidth, H = b.mHeight;
    if (b.mShowFocusRect && b.userMode && b.mParentActive) {
        const int inset = edges.focusInset;
        c.DrawFocusRect(Rect{inset, inset, W - inset, H - inset});
    }
    if (edges.focusFrames && (b.mState == StateNormal || b.mState == StateHover)) {
        c.DrawEdge(Rect{0, 0, W - 1, H - 1}, kEdgeRaised);
        c.FrameBox(0, 0, W - 1, H - 1, kWorkspace);
        c.FrameBox(0, 0, W, H, kBlack);
    }
}

}  // namespace

LookDecision DrawEdgeStyles(const ButtonLook& Button, ButtonCanvas& Canvas) {
    if (Button.checked) {
        DrawChecked(Button, Canvas);
        return {};
    }
    DrawFace(Button, Canvas);
    DrawFocusCue(Button, Canvas);
    return {};
}

}  // namespace tirnel
