// The style table: what each ButtonStyle means, with the renderer of its face. It lives with
// the renderers, so the button's core names no renderer and its includes run one way: the
// looks include the core's vocabulary, never the other way round.

#include "controls/button/ButtonStyleTraits.h"

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Surface.h"

#include <array>

namespace tirnel {

namespace {

constexpr Color kFace = SystemColor(kColorButtonFace);

// A row names the columns in which its style differs from their defaults (GCC 12 would warn
// about each column a row leaves out).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// Pressed, picture and caption move one pixel right and down.
constexpr CaptionPlacement kPressedInward = {.pictureShiftPressed = 1, .captionPressed = {1, 1, 1, 1}};
// The outline's face floats up and left at rest and moves down and right when pressed; the
// caption goes with it, and no focus rectangle is recorded.
constexpr CaptionPlacement kWithTheOutline = {.pictureShiftAtRest = -1,
                                              .pictureShiftPressed = 2,
                                              .captionAtRest = {-2, -2, -2, -2},
                                              .captionPressed = {1, 2, 1, 1},
                                              .focusAtRest = false};
// The capsule's caption sits one row up in every state.
constexpr CaptionPlacement kOneRowUp = {
    .captionAtRest = {0, -1, 0, -1}, .captionPressed = {0, -1, 0, -1}, .focusAtRest = false};

const std::array<ButtonStyleTraits, kButtonStyleCount> kTraits = {{
    /* StyleStandard */ {.backColor = kFace, .focusRect = true, .shapeWhen = ShapeWhen::kAtRest,
                         .renderer = &DrawEdgeStyles, .showsCheck = true, .caption = kPressedInward,
                         .edges = {.rest = kEdgeRaised, .hover = kEdgeRaised, .checked = kEdgeSunken,
                                   .pressed = EdgePressed::kBlackFrame, .focusFrames = true}},
    /* StyleThinEdge */ {.backColor = kFace, .focusRect = true, .shapeWhen = ShapeWhen::kAtRest,
                         .renderer = &DrawEdgeStyles, .caption = kPressedInward,
                         .edges = {.rest = kBdrRaisedInner, .hover = kBdrRaisedInner, .checked = kEdgeSunken,
                                   .pressed = EdgePressed::kWhiteAndGrey, .focusInset = 3}},
    /* StyleRoundBlue */ {.backColor = 0xE7EBEC, .regionCorner = 3, .shapeWhen = ShapeWhen::kAtRestOrDisabled,
                          .renderer = &DrawRoundBlue},
    /* StyleSilver */ {.backColor = kFace, .regionCorner = 4, .shapeWhen = ShapeWhen::kAtRest,
                       .renderer = &DrawSilver, .showsCheck = true, .caption = kPressedInward},
    /* StyleSkyGlass */ {.backColor = 0xD4D4D4, .backShift = 0.06f, .regionCorner = 3,
                         .shapeWhen = ShapeWhen::kAtRestOrDisabled, .renderer = &DrawSkyGlass},
    /* StyleOutline */ {.backColor = 0xAA6D00, .foreColor = 0xFFFFFF, .focusRect = true,
                        .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawOutline, .caption = kWithTheOutline},
    /* StyleShaded */ {.backColor = 0xE1D6D5, .focusRect = true, .regionCorner = 3,
                       .shapeWhen = ShapeWhen::kAtRestOrDisabled, .renderer = &DrawShaded},
    /* StyleAmber */ {.backColor = 0xFFD1AD, .renderer = &DrawAmber},
    /* StylePaleBlue */ {.backColor = kFace, .regionCorner = 3, .shapeWhen = ShapeWhen::kAtRestEnabled,
                         .renderer = &DrawPaleBlue, .caption = kPressedInward},
    /* StyleHotTrack */ {.backColor = kFace, .renderer = &DrawHotTrack, .showsCheck = true},
    /* StyleShadedRound */ {.backColor = 0xFFD1AD, .regionCorner = 4, .shapeWhen = ShapeWhen::kAtRest,
                            .renderer = &DrawShadedRound},
    /* StyleHoverEdge */ {.backColor = kFace, .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawEdgeStyles,
                          .edges = {.hover = kEdgeRaised, .checked = kEdgeSunken}},
    /* StyleFlatHover */ {.backColor = kFace, .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawEdgeStyles,
                          .edges = {.hover = kBdrRaisedInner, .pressed = EdgePressed::kWhiteAndGrey, .focusInset = 3}},
    /* StyleOrangeHover */ {.backColor = 0xFCE1CA, .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawOrangeHover},
    /* StyleCapsule */ {.backColor = 0xD0D0D0, .regionCorner = 18, .shapeWhen = ShapeWhen::kAtRestUncued,
                        .renderer = &DrawCapsule, .caption = kOneRowUp},
    /* StyleGreyGradient */ {.backColor = 0xE6CAA7, .focusRect = true, .shapeWhen = ShapeWhen::kAtRest,
                             .renderer = &DrawGreyGradient},
}};
#pragma GCC diagnostic pop

// A style value that names no style keeps the back colour, brings button text, shows no
// focus rectangle, a plain rectangle and no face.
constexpr ButtonStyleTraits kNoStyle{};

}  // namespace

const ButtonStyleTraits& StyleTraits(std::int32_t ButtonStyle) {
    if (ButtonStyle < 0 || ButtonStyle >= kButtonStyleCount) return kNoStyle;
    return kTraits[static_cast<std::size_t>(ButtonStyle)];
}

}  // namespace tirnel
