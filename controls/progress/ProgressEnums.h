#pragma once
// The numbers the progress bar's enumerated properties take. They are stored as plain 32-bit
// values and no setter checks them; what a value outside these lists does is decided where
// the value is used (themes keep the previous palette, other text styles and effects draw no
// text, other orientations draw no track or bar, other anchors place the text at (0, 0)).

#include <cstdint>

namespace tirnel {

enum Themes : std::int32_t {
    ThemeGold = 1,
    ThemeOlive = 2,
    ThemeGreen = 3,
    ThemeTeal = 4,
    ThemeBlue = 5,
    ThemeMagenta = 6,
    ThemeRed = 7,
    ThemeAqua = 8,
    ThemeLime = 9,
    ThemeCustom = 10,
};

enum TextStyles : std::int32_t {
    TextNone = 0,
    TextValue = 1,
    TextPercent = 2,
    TextCustom = 3,
};

enum OrientationValues : std::int32_t {
    OrientHorizontal = 1,
    OrientVertical = 2,
};

enum TextAlignments : std::int32_t {
    AlignTopLeft = 1,
    AlignMiddleLeft = 2,
    AlignBottomLeft = 3,
    AlignTopCenter = 4,
    AlignMiddleCenter = 5,
    AlignBottomCenter = 6,
    AlignTopRight = 7,
    AlignMiddleRight = 8,
    AlignBottomRight = 9,
};

enum TextEffects : std::int32_t {
    EffectNormal = 1,
    EffectRaised = 2,
    EffectSunken = 3,
    EffectOutline = 4,
    EffectShadow = 5,
};

}  // namespace tirnel
