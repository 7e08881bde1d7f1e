// The snapshot a repaint draws from: when it reshapes the window, by the style table's
// column; and a look drawn from a snapshot alone, without a button, returning what it
// decides for the caption.

#include "controls/button/ButtonCanvas.h"
#include "controls/button/ButtonEnums.h"
#include "controls/button/ButtonLook.h"
#include "controls/button/ButtonStyleTraits.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <optional>

namespace tirnel {
namespace {

// A 30 x 20 button; a cued one has the focus in an active window.
ButtonLook Look(const ButtonStyleTraits& style, std::int32_t state, bool checked, bool enabled, bool focusCued) {
    return ButtonLook{.style = style,
                      .mState = state,
                      .mWidth = 30,
                      .mHeight = 20,
                      .mCaptionFocusRect = Rect{},
                      .backColor = 0xF0F0F0,
                      .containerBackColor = 0xF0F0F0,
                      .mEnabled = enabled,
                      .checked = checked,
                      .mIsOver = false,
                      .mMouseDown = false,
                      .mHasFocus = focusCued,
                      .mIsDefault = false,
                      .mParentActive = focusCued,
                      .mShowFocusRect = false,
                      .userMode = true};
}

TEST(ButtonLookTest, ShapesTheWindowAsTheStyleTableSays) {
    const struct {
        const char* name;
        ShapeWhen when;
        std::int32_t state;
        bool checked, enabled, focusCued;
        bool shapes;
    } cases[] = {
        {"at rest", ShapeWhen::kAtRest, StateNormal, false, true, false, true},
        {"at rest, under the pointer", ShapeWhen::kAtRest, StateHover, false, true, false, false},
        {"at rest, checked", ShapeWhen::kAtRest, StateNormal, true, true, false, false},
        {"at rest, disabled", ShapeWhen::kAtRest, StateNormal, false, false, false, true},
        {"or disabled, pressed", ShapeWhen::kAtRestOrDisabled, StateDown, false, false, false, true},
        {"or disabled, checked and disabled", ShapeWhen::kAtRestOrDisabled, StateDown, true, false, false, true},
        {"or disabled, pressed and enabled", ShapeWhen::kAtRestOrDisabled, StateDown, false, true, false, false},
        {"enabled, at rest", ShapeWhen::kAtRestEnabled, StateNormal, false, true, false, true},
        {"enabled, disabled at rest", ShapeWhen::kAtRestEnabled, StateNormal, false, false, false, false},
        {"uncued, at rest", ShapeWhen::kAtRestUncued, StateNormal, false, true, false, true},
        {"uncued, focused at rest", ShapeWhen::kAtRestUncued, StateNormal, false, true, true, false},
        {"never", ShapeWhen::kNever, StateNormal, false, true, false, false},
    };
    for (const auto& c : cases) {
        ButtonStyleTraits style;
        style.shapeWhen = c.when;
        EXPECT_EQ(Look(style, c.state, c.checked, c.enabled, c.focusCued).ShapesWindow(), c.shapes) << c.name;
    }
}

// Silver decides the caption colour (white on its pressed face; its other faces are in the
// silver test's table); a look that decides nothing leaves the fore colour as it is.
TEST(ButtonLookTest, ALookReturnsTheCaptionColorItDecides) {
    const ButtonStyleTraits silver = StyleTraits(StyleSilver);
    const struct {
        const char* name;
        ButtonLook look;
        std::optional<Color> foreColor;
    } cases[] = {
        {"silver pressed", Look(silver, StateDown, false, true, false), 0xFFFFFF},
        {"round blue pressed", Look(StyleTraits(StyleRoundBlue), StateDown, false, true, false), std::nullopt},
    };
    for (const auto& c : cases) {
        Surface surface(30, 20);
        ButtonCanvas canvas(surface, 30, 20);
        EXPECT_EQ(c.look.style.renderer(c.look, canvas).foreColor, c.foreColor) << c.name;
    }
}

}  // namespace
}  // namespace tirnel
