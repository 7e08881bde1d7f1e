#include "controls/button/ButtonStyleTraits.h"

#include "controls/button/ButtonEnums.h"
#include "controls/button/styles/Renderers.h"

#include <array>

namespace tirnel {

namespace {

constexpr Color kFace = SystemColor(kColorButtonFace);

const std::array<ButtonStyleTraits, kButtonStyleCount> kTraits = {{
    /* StyleStandard     */ {kFace, 0.0f, SystemColor(kColorButtonText), true, 0, &DrawEdgeStyles, true},
    /* StyleThinEdge     */ {kFace, 0.0f, SystemColor(kColorButtonText), true, 0, &DrawEdgeStyles},
    /* StyleRoundBlue    */ {0xE7EBEC, 0.0f, SystemColor(kColorButtonText), false, 3, &DrawRoundBlue},
    /* StyleSilver       */ {kFace, 0.0f, SystemColor(kColorButtonText), false, 4, &DrawSilver, true},
    /* StyleSkyGlass     */ {0xD4D4D4, 0.06f, SystemColor(kColorButtonText), false, 3, &DrawSkyGlass},
    /* StyleOutline      */ {0xAA6D00, 0.0f, 0xFFFFFF, true, 0, &DrawOutline},
    /* StyleShaded       */ {0xE1D6D5, 0.0f, SystemColor(kColorButtonText), true, 3, &DrawShaded},
    /* StyleAmber        */ {0xFFD1AD, 0.0f, SystemColor(kColorButtonText), false, 0, &DrawAmber},
    /* StylePaleBlue     */ {kFace, 0.0f, SystemColor(kColorButtonText), false, 3, &DrawPaleBlue},
    /* StyleHotTrack     */ {kFace, 0.0f, SystemColor(kColorButtonText), false, 0, &DrawHotTrack, true},
    /* StyleShadedRound  */ {0xFFD1AD, 0.0f, SystemColor(kColorButtonText), false, 4, &DrawShadedRound},
    /* StyleHoverEdge    */ {kFace, 0.0f, SystemColor(kColorButtonText), false, 0, &DrawEdgeStyles},
    /* StyleFlatHover    */ {kFace, 0.0f, SystemColor(kColorButtonText), false, 0, &DrawEdgeStyles},
    /* StyleOrangeHover  */ {0xFCE1CA, 0.0f, SystemColor(kColorButtonText), false, 0, &DrawOrangeHover},
    /* StyleCapsule      */ {0xD0D0D0, 0.0f, SystemColor(kColorButtonText), false, 18, &DrawCapsule},
    /* StyleGreyGradient */ {0xE6CAA7, 0.0f, SystemColor(kColorButtonText), true, 0, &DrawGreyGradient},
}};

// A style value that names no style keeps the back colour, brings button text, shows no
// focus rectangle, a plain rectangle and no face.
constexpr ButtonStyleTraits kNoStyle{};

}  // namespace

const ButtonStyleTraits& StyleTraits(std::int32_t ButtonStyle) {
    if (ButtonStyle < 0 || ButtonStyle >= kButtonStyleCount) return kNoStyle;
    return kTraits[static_cast<std::size_t>(ButtonStyle)];
}

}  // namespace tirnel
