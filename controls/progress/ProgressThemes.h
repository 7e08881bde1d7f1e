#pragma once
// The nine colours a repaint draws with, and the themes that choose them.

#include "platform/Colors.h"

#include <array>
#include <cstdint>

namespace tirnel {

// In the horizontal bar the Top colours belong to the upper half and the Bottom colours to the
// lower half; in the vertical bar Top is the left half and Bottom the right half. A From colour
// starts a gradient, a To colour ends it.
struct ThemePalette {
    Color TrackTopFrom = 0;
    Color TrackTopTo = 0;
    Color TrackBottomFrom = 0;
    Color TrackBottomTo = 0;
    Color BarTopFrom = 0;
    Color BarTopTo = 0;
    Color BarBottomFrom = 0;
    Color BarBottomTo = 0;
    Color BorderColor = 0;

    // The nine members in the order above, for walking over all of them.
    static constexpr std::array<Color ThemePalette::*, 9> kColors = {
        &ThemePalette::TrackTopFrom,  &ThemePalette::TrackTopTo, &ThemePalette::TrackBottomFrom,
        &ThemePalette::TrackBottomTo, &ThemePalette::BarTopFrom, &ThemePalette::BarTopTo,
        &ThemePalette::BarBottomFrom, &ThemePalette::BarBottomTo, &ThemePalette::BorderColor,
    };

    friend bool operator==(const ThemePalette&, const ThemePalette&) = default;
};

// Sets `palette` for `theme`: the fixed colours of themes 1..9, or for theme 10 the colours
// derived from PBSCustomeColor1 (bar and outline) and PBSCustomeColor2 (track). Any other
// theme leaves `palette` as it is and returns false.
bool LoadThemePalette(std::int32_t theme, Color PBSCustomeColor1, Color PBSCustomeColor2, ThemePalette& palette);

}  // namespace tirnel
