// Outline: a face of the back colour (lighter when disabled) in a light frame, floating over
// a grey drop shadow of three lines along its right and bottom; the last column and row keep
// the container's colour. Pressed, the face moves 3 pixels right and down over the shadow's
// place and the strip it leaves along the top and left shows the container.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"

#include <array>

namespace tirnel {

namespace {

// The shadow, innermost first: frames at (inset, inset) that are `shrink` narrower and
// lower than the button.
struct ShadowFrame {
    int inset, shrink;
    Color color;
};
constexpr std::array<ShadowFrame, 3> kShadow = {{{6, 9, 0x808080}, {5, 7, 0xA0A0A0}, {4, 5, 0xC0C0C0}}};

// Where the face lies: its top-left corner at (offset, offset), the fill ending `fillShrink`
// pixels before the right and bottom edges, the frame `frameShrink` narrower and lower than
// the button.
struct FacePlace {
    int offset, fillShrink, frameShrink;
};
constexpr FacePlace kRaised = {0, 5, 4};
constexpr FacePlace kPressed = {3, 0, 3};
constexpr float kFrameLight = 0.3f;
constexpr float kDisabledLight = 0.1f;
// The focus rectangle lies 3 pixels inside the face's top-left corner and 6 pixels short of
// the surface's right and bottom before the face moves.
constexpr int kFocusInset = 3;
constexpr int kFocusShrink = 6;

void DrawFace(const ButtonLook& b, ButtonCanvas& c, const FacePlace& at, Color face) {
    const int W = b.mWidth, H = b.mHeight, o = at.offset;
    c.FillBox(face, Rect{o, o, W - at.fillShrink, H - at.fillShrink});
    c.FrameBox(o, o, W - at.frameShrink, H - at.frameShrink, ShiftColor(face, kFrameLight));
}

void DrawFocus(const ButtonLook& b, ButtonCanvas& c, const FacePlace& at) {
    if (!b.FocusCued() || !b.mShowFocusRect) return;
    const int near = at.offset + kFocusInset, far = at.offset - kFocusShrink;
    c.SetROP2(kDrawModeInvert);
    c.DrawFocusRect(Rect{near, near, b.mWidth + far, b.mHeight + far});
}

}  // namespace

LookDecision DrawOutline(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    const Color face = b.mEnabled ? b.backColor : b.S(kDisabledLight);
    c.ContainerBackground(b.containerBackColor);
    const bool pressed = b.mState == StateDown;
    if (!pressed)
        for (const ShadowFrame& s : kShadow)
            c.FrameBox(s.inset, s.inset, b.mWidth - s.shrink, b.mHeight - s.shrink, s.color);
    const FacePlace& at = pressed ? kPressed : kRaised;
    DrawFace(b, c, at, face);
    DrawFocus(b, c, at);
    return {};
}

}  // namespace tirnel
