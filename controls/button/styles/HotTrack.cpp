// Hot track: at rest a light top-to-bottom shade of the back colour with no border; under the
// pointer a flat light blue face in a blue frame; pressed a darker blue face in a slate
// frame. A checked button has a light grey face, or the pressed face in the hover frame
// while the pointer is over it. No focus cue, and the window keeps its plain shape.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"

#include <array>
#include <cstddef>

namespace tirnel {

namespace {


// A flat face filling the button inside a 1-pixel frame.
struct FlatLook {
    Color face, frame;
};
constexpr FlatLook kHover = {0xEED2C1, 0xC56A31};
constexpr FlatLook kDown = {0xE2B598, 0x6F4B4B};
const FlatLook kChecked = {0xE8E6E1, ShiftColor(0x6F4B4B, 0.05f)};
// A checked button under the pointer: the pressed face in the hover frame.
constexpr FlatLook kCheckedHover = {kDown.face, kHover.frame};
// An unchecked button by state: none at rest, where the shade is drawn, else a flat look.
constexpr std::array<const FlatLook*, 3> kUncheckedLooks = {nullptr, &kHover, &kDown};

void DrawFlat(ButtonPainter& b, const FlatLook& look) {
    b.FillBox(look.face, b.mButtonRect);
    b.FrameBox(0, 0, b.mWidth, b.mHeight, look.frame);
}

// The rest shade: from a light tint of the back colour at the top to the back colour itself.
void DrawRestShade(ButtonPainter& b) {
    b.PaintGradient(0, 0, b.mWidth, b.mHeight, MixColors(b.S(0.26f), kWhite), b.BackColour(), GradientVertical);
}

}  // namespace

void DrawHotTrack(ButtonPainter& Button, std::int32_t State) {
    ButtonPainter& b = Button;
    b.ReadSize();
    // A disabled button shows the rest shade under whatever its state draws next.
    if (!IsTrue(b.mEnabled)) DrawRestShade(b);
    if (b.Checked()) {
        DrawFlat(b, kChecked);
        if (State == StateHover) DrawFlat(b, kCheckedHover);
        return;
    }
    if (State < StateNormal || State > StateDown) return;
    if (const FlatLook* look = kUncheckedLooks[static_cast<std::size_t>(State)])
        DrawFlat(b, *look);
    else
        DrawRestShade(b);
}

}  // namespace tirnel
