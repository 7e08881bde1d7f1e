// Capsule: fixed glossy artwork in grey at rest, light blue when hovered, focused or default,
// darker blue when pressed or checked. The art is a face, four edge strips and four corner
// patches (CapsuleArt.h); the back colour plays no part. The container's colour shows where
// the patches leave pixels undrawn.

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/CapsuleArt.h"
#include "controls/button/styles/Renderers.h"
#include "controls/button/styles/LookColors.h"

namespace tirnel {

namespace {

// A corner patch: its first row in a state's part of kCapsulePatches, its number of rows
// and its top-left corner (below 0 counts back from W or H). Drawn in this order.
struct Patch {
    std::size_t first, rows;
    int left, top;
};
constexpr std::array<Patch, 4> kPatches = {{
    {0, kCapsuleTopPatchRows, 0, 0},
    {kCapsuleTopPatchRows, kCapsuleBottomPatchRows, 0, -10},
    {kCapsuleTopPatchRows + kCapsuleBottomPatchRows, kCapsuleTopPatchRows, -kCapsulePatchWidth, 0},
    {2 * kCapsuleTopPatchRows + kCapsuleBottomPatchRows, kCapsuleBottomPatchRows, -kCapsulePatchWidth, -10},
}};

// The patch's pixels one by one, row after row, skipping the undrawn ones.
void DrawPatch(const ButtonLook& b, ButtonCanvas& c, const Patch& patch, std::size_t state) {
    const int left = Along(patch.left, b.mWidth), top = Along(patch.top, b.mHeight);
    for (std::size_t row = 0; row < patch.rows; ++row) {
        const CapsulePatchRow& pixels = kCapsulePatches[state * kCapsuleStatePatchRows + patch.first + row];
        for (std::size_t column = 0; column < pixels.size(); ++column)
            if (pixels[column] != kCapsuleUndrawn)
                c.SetPixel(left + static_cast<int>(column), top + static_cast<int>(row), pixels[column]);
    }
}

// A strip: where its lines are in kCapsuleStrips, where its first line lies (below 0 counts
// back from W or H) and whether its lines are columns or rows.
struct Strip {
    std::size_t first, count;
    int at;
    bool columns;
};
// Columns run from row 11 to H-10, rows from column 17 to W-17 (end not drawn); rows are
// drawn after columns, so at the crossings the row wins.
constexpr std::size_t kLeftColumns = kCapsuleRightStrip - kCapsuleLeftStrip;     // 18
constexpr std::size_t kRightColumns = kCapsuleTopStrip - kCapsuleRightStrip;     // 17
constexpr std::size_t kTopRows = kCapsuleBottomStrip - kCapsuleTopStrip;         // 12
constexpr std::size_t kBottomRows = kCapsuleStripLines - kCapsuleBottomStrip;    // 11
constexpr std::array<Strip, 4> kStrips = {{
    {kCapsuleLeftStrip, kLeftColumns, 0, true},
    {kCapsuleRightStrip, kRightColumns, -static_cast<int>(kRightColumns), true},
    {kCapsuleTopStrip, kTopRows, 0, false},
    {kCapsuleBottomStrip, kBottomRows, -static_cast<int>(kBottomRows), false},
}};

// On a button lower than 21 or narrower than 34 a strip's run is empty or backwards, and
// each line paints what the platform's line rule makes of it.
void DrawStrip(const ButtonLook& b, ButtonCanvas& c, const Strip& strip, std::size_t state) {
    const int W = b.mWidth, H = b.mHeight;
    const int first = Along(strip.at, strip.columns ? W : H);
    for (std::size_t i = 0; i < strip.count; ++i) {
        const Color color = kCapsuleStrips[strip.first + i][state];
        const int at = first + static_cast<int>(i);
        if (strip.columns)
            c.DrawLine(at, 11, at, H - 10, color);
        else
            c.DrawLine(17, at, W - 17, at, color);
    }
}

void DrawArt(const ButtonLook& b, ButtonCanvas& c, std::size_t state) {
    const int W = b.mWidth, H = b.mHeight;
    c.FillBox(kCapsuleFace[state], Rect{4, 4, W - 4, H - 4});
    for (const Patch& patch : kPatches) DrawPatch(b, c, patch, state);
    for (const Strip& strip : kStrips) DrawStrip(b, c, strip, state);
}

// A checked button looks pressed; a focused or default one in an active window looks
// hovered.
std::int32_t ShownState(const ButtonLook& b) {
    if (b.checked) return StateDown;
    return b.FocusCued() && b.mState != StateDown ? StateHover : b.mState;
}

}  // namespace

LookDecision DrawCapsule(const ButtonLook& Button, ButtonCanvas& Canvas) {
    const std::int32_t shown = ShownState(Button);
    Canvas.ContainerBackground(Button.containerBackColor);
    if (shown >= StateNormal && shown <= StateDown) DrawArt(Button, Canvas, static_cast<std::size_t>(shown));
    return {};
}

}  // namespace tirnel
