#include "controls/progress/ProgressEnums.h"
#include "controls/progress/ProgressThemes.h"

#include <gtest/gtest.h>

#include <vector>

namespace tirnel {
namespace {

TEST(ProgressThemesTest, CustomThemeDerivesFromTheTwoColors) {
    ThemePalette palette;
    ASSERT_TRUE(LoadThemePalette(10, RGB(0, 0, 255), RGB(255, 255, 255), palette));
    for (Color ThemePalette::*track : {&ThemePalette::TrackTopFrom, &ThemePalette::TrackTopTo,
                                       &ThemePalette::TrackBottomFrom, &ThemePalette::TrackBottomTo})
        EXPECT_EQ(palette.*track, RGB(255, 255, 255));
    EXPECT_EQ(palette.BarTopFrom, RGB(180, 180, 255));
    EXPECT_EQ(palette.BarTopTo, RGB(50, 50, 255));
    EXPECT_EQ(palette.BarBottomFrom, RGB(0, 0, 255));
    EXPECT_EQ(palette.BarBottomTo, RGB(80, 80, 255));
    EXPECT_EQ(palette.BorderColor, RGB(0, 0, 255));
}

TEST(ProgressThemesTest, UnknownThemesLeaveThePaletteAlone) {
    ThemePalette palette;
    ASSERT_TRUE(LoadThemePalette(ThemeLime, 0, 0, palette));
    const ThemePalette lime = palette;
    for (std::int32_t theme : {0, 11, -1}) {
        EXPECT_FALSE(LoadThemePalette(theme, RGB(1, 2, 3), RGB(4, 5, 6), palette)) << theme;
        EXPECT_EQ(palette, lime) << theme;
    }
}

TEST(ProgressThemesTest, EachFixedThemeHasItsOwnColors) {
    // Themes 1..9 are all different and none is left black.
    std::vector<ThemePalette> seen;
    for (std::int32_t theme = ThemeGold; theme <= ThemeLime; ++theme) {
        ThemePalette palette;
        ASSERT_TRUE(LoadThemePalette(theme, 0, 0, palette));
        for (Color ThemePalette::*color : ThemePalette::kColors) EXPECT_NE(palette.*color, 0u) << theme;
        for (const ThemePalette& other : seen) EXPECT_NE(palette, other) << theme;
        seen.push_back(palette);
    }
    // Spot checks at the table's corners: the first theme's first colour, the last one's outline.
    ThemePalette gold;
    LoadThemePalette(ThemeGold, 0, 0, gold);
    EXPECT_EQ(gold.TrackTopFrom, RGB(248, 246, 242));
    ThemePalette lime;
    LoadThemePalette(ThemeLime, 0, 0, lime);
    EXPECT_EQ(lime.BorderColor, RGB(188, 184, 188));
}

}  // namespace
}  // namespace tirnel
