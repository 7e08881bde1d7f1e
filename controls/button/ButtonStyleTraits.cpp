#include "controls/button/ButtonStyleTraits.h"

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"
#include "platform/Surface.h"

#include <array>

namespace tirnel {

namespace {

constexpr Color kFace = SystemColor(kColorButtonFace);

// A row names the columns in which its style differs from the defaults of ButtonStyleTraits
// (GCC 12 would warn about each column a row leaves out).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
const std::array<ButtonStyleTraits, kButtonStyleCount> kTraits = {{
    /* StyleStandard */ {.backColor = kFace, .focusRect = true, .shapeWhen = ShapeWhen::kAtRest,
                         .renderer = &DrawEdgeStyles, .showsCheck = true,
                         .edges = {.rest = kEdgeRaised, .hover = kEdgeRaised, .checked = kEdgeSunken,
                                   .pressed = EdgePressed::kBlackFrame, .focusFrames = true}},
    /* StyleThinEdge */ {.backColor = kFace, .focusRect = true, .shapeWhen = ShapeWhen::kAtRest,
                         .renderer = &DrawEdgeStyles,
                         .edges = {.rest = kBdrRaisedInner, .hover = kBdrRaisedInner, .checked = kEdgeSunken,
                                   .pressed = EdgePressed::kWhiteAndGrey, .focusInset = 3}},
    /* StyleRoundBlue */ {.backColor = 0xE7EBEC, .regionCorner = 3, .shapeWhen = ShapeWhen::kAtRestOrDisabled,
                          .renderer = &DrawRoundBlue},
    /* StyleSilver */ {.backColor = kFace, .regionCorner = 4, .shapeWhen = ShapeWhen::kAtRest,
                       .renderer = &DrawSilver, .showsCheck = true},
    /* StyleSkyGlass */ {.backColor = 0xD4D4D4, .backShift = 0.06f, .regionCorner = 3,
                         .shapeWhen = ShapeWhen::kAtRestOrDisabled, .renderer = &DrawSkyGlass},
    /* StyleOutline */ {.backColor = 0xAA6D00, .foreColor = 0xFFFFFF, .focusRect = true,
                        .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawOutline},
    /* StyleShaded */ {.backColor = 0xE1D6D5, .focusRect = true, .regionCorner = 3,
                       .shapeWhen = ShapeWhen::kAtRestOrDisabled, .renderer = &DrawShaded},
    /* StyleAmber */ {.backColor = 0xFFD1AD, .renderer = &DrawAmber},
    /* StylePaleBlue */ {.backColor = kFace, .regionCorner = 3, .shapeWhen = ShapeWhen::kAtRestEnabled,
                         .renderer = &DrawPaleBlue},
    /* StyleHotTrack */ {.backColor = kFace, .renderer = &DrawHotTrack, .showsCheck = true},
    /* StyleShadedRound */ {.backColor = 0xFFD1AD, .regionCorner = 4, .shapeWhen = ShapeWhen::kAtRest,
                            .renderer = &DrawShadedRound},
    /* StyleHoverEdge */ {.backColor = kFace, .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawEdgeStyles,
                          .edges = {.hover = kEdgeRaised, .checked = kEdgeSunken}},
    /* StyleFlatHover */ {.backColor = kFace, .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawEdgeStyles,
                          .edges = {.hover = kBdrRaisedInner, .pressed = EdgePressed::kWhiteAndGrey, .focusInset = 3}},
    /* StyleOrangeHover */ {.backColor = 0xFCE1CA, .shapeWhen = ShapeWhen::kAtRest, .renderer = &DrawOrangeHover},
    /* StyleCapsule */ {.backColor = 0xD0D0D0, .regionCorner = 18, .shapeWhen = ShapeWhen::kAtRestUncued,
                        .renderer = &DrawCapsule},
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
