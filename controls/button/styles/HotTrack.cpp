// Hot track: at rest a light top-to-bottom shade of the back colour with no border; under the
// pointer a flat light blue face in a blue frame; pressed a darker blue face in a slate
// frame. A checked button has a light grey face, or the pressed face in the hover frame
// while the pointer is over it. No focus cue, and the window keeps its plain shape.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/LookColors.h"
#include "controls/button/styles/Renderers.h"

#include <array>
#include <cstddef>

namespace tirnel {

namespace {


// A flat face filling the button inside a 1-pixel frame.
struct FlatLook {
    Tone face, frame;
};
constexpr FlatLook kHover = {0xEED2C1, 0xC56A31};
constexpr FlatLook kDown = {0xE2B598, 0x6F4B4B};
constexpr FlatLook kChecked = {0xE8E6E1, {0x6F4B4B, 0.05f}};
// A checked button under the pointer: the pressed face in the hover frame.
constexpr FlatLook kCheckedHover = {kDown.face, kHover.frame};
// An unchecked button by state: none at rest, where the shade is drawn, else a flat look.
constexpr std::array<const FlatLook*, 3> kUncheckedLooks = {nullptr, &kHover, &kDown};

void DrawFlat(const ButtonLook& b, ButtonCanvas& c, const FlatLook& look) {
    c.FillBox(look.face.On(b), b.ButtonRect());
    c.FrameBox(0, 0, b.mWidth, b.mHeight, look.frame.On(b));
}

// The rest shade: from a light tint of the back colour at the top to the back colour itself.
void DrawRestShade(const ButtonLook& b, ButtonCanvas& c) {
    c.PaintGradient(0, 0, b.mWidth, b.mHeight, MixColors(b.S(0.26f), kWhite), b.backColor, GradientVertical);
}

}  // namespace

LookDecision DrawHotTrack(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const ButtonLook& b = Button;
    ButtonCanvas& c = Canvas;
    // A disabled button shows the rest shade under whatever its state draws next.
    if (!b.mEnabled) DrawRestShade(b, c);
    if (b.checked) {
        DrawFlat(b, c, kChecked);
        if (b.mState == StateHover) DrawFlat(b, c, kCheckedHover);
        return {};
    }
    if (b.mState < StateNormal || b.mState > StateDown) return {};
    if (const FlatLook* look = kUncheckedLooks[static_cast<std::size_t>(b.mState)])
        DrawFlat(b, c, *look);
    else
        DrawRestShade(b, c);
    return {};
}

}  // namespace tirnel
