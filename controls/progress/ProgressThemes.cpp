#include "controls/progress/ProgressThemes.h"

#include "controls/progress/ColorShades.h"
#include "controls/progress/ProgressEnums.h"

namespace tirnel {

namespace {

// Themes 1..9, one row each, colours in the member order of ThemePalette.
constexpr std::array<ThemePalette, 9> kFixedThemes = {{
    // ThemeGold: cream track, amber bar
    {RGB(248, 246, 242), RGB(233, 227, 211), RGB(226, 215, 182), RGB(239, 233, 215), RGB(251, 244, 223),
     RGB(239, 213, 133), RGB(203, 166, 57), RGB(237, 224, 187), RGB(204, 168, 62)},
    // ThemeOlive: pale track, yellow-green bar
    {RGB(247, 248, 242), RGB(231, 233, 211), RGB(222, 226, 182), RGB(237, 239, 215), RGB(249, 251, 223),
     RGB(230, 239, 133), RGB(190, 203, 57), RGB(233, 237, 187), RGB(192, 204, 62)},
    // ThemeGreen: pale green track, green bar
    {RGB(242, 248, 243), RGB(211, 233, 213), RGB(182, 226, 186), RGB(215, 239, 217), RGB(223, 251, 225),
     RGB(133, 239, 142), RGB(57, 203, 70), RGB(187, 237, 191), RGB(62, 204, 74)},
    // ThemeTeal: pale cyan track, teal bar
    {RGB(242, 248, 247), RGB(211, 233, 231), RGB(182, 226, 222), RGB(215, 239, 237), RGB(223, 251, 249),
     RGB(133, 239, 230), RGB(57, 203, 190), RGB(187, 237, 233), RGB(62, 204, 192)},
    // ThemeBlue: pale violet track, blue-violet bar
    {RGB(243, 242, 248), RGB(213, 211, 233), RGB(186, 182, 226), RGB(217, 215, 239), RGB(225, 223, 251),
     RGB(142, 133, 239), RGB(70, 57, 203), RGB(191, 187, 237), RGB(74, 62, 204)},
    // ThemeMagenta: pale pink track, magenta bar
    {RGB(248, 242, 247), RGB(233, 211, 231), RGB(226, 182, 222), RGB(239, 215, 237), RGB(251, 223, 249),
     RGB(239, 133, 230), RGB(203, 57, 190), RGB(237, 187, 233), RGB(204, 62, 192)},
    // ThemeRed: pale rose track, red bar
    {RGB(248, 242, 242), RGB(233, 211, 211), RGB(226, 182, 182), RGB(239, 215, 215), RGB(251, 223, 223),
     RGB(239, 133, 133), RGB(203, 57, 57), RGB(237, 187, 187), RGB(204, 62, 62)},
    // ThemeAqua: near-white track, glossy sky-blue bar
    {RGB(250, 253, 254), RGB(228, 243, 252), RGB(199, 230, 249), RGB(237, 247, 253), RGB(225, 247, 255),
     RGB(67, 208, 255), RGB(63, 112, 233), RGB(63, 226, 246), RGB(23, 139, 211)},
    // ThemeLime: pale green-grey track, bright green bar, grey outline
    {RGB(231, 243, 232), RGB(225, 219, 225), RGB(179, 189, 179), RGB(226, 238, 226), RGB(223, 251, 223),
     RGB(108, 255, 108), RGB(26, 228, 26), RGB(217, 244, 217), RGB(188, 184, 188)},
}};

// ThemeCustom: each colour is one of the two custom colours, lightened by an amount or taken
// as it is.
enum class CustomSource { Track, Bar };
struct CustomShade {
    CustomSource source;
    bool lightened;
    std::int32_t amount;
};
constexpr std::array<CustomShade, 9> kCustomTheme = {{
    {CustomSource::Track, true, 180},  // TrackTopFrom
    {CustomSource::Track, true, 50},   // TrackTopTo
    {CustomSource::Track, false, 0},   // TrackBottomFrom
    {CustomSource::Track, true, 80},   // TrackBottomTo
    {CustomSource::Bar, true, 180},    // BarTopFrom
    {CustomSource::Bar, true, 50},     // BarTopTo
    {CustomSource::Bar, false, 0},     // BarBottomFrom
    {CustomSource::Bar, true, 80},     // BarBottomTo
    {CustomSource::Bar, false, 0},     // BorderColor
}};

}  // namespace

bool LoadThemePalette(std::int32_t theme, Color PBSCustomeColor1, Color PBSCustomeColor2, ThemePalette& palette) {
    if (theme >= ThemeGold && theme <= ThemeLime) {
        palette = kFixedThemes[static_cast<std::size_t>(theme - ThemeGold)];
        return true;
    }
    if (theme != ThemeCustom) return false;
    for (std::size_t i = 0; i < kCustomTheme.size(); ++i) {
        const CustomShade& shade = kCustomTheme[i];
        const Color base = shade.source == CustomSource::Bar ? PBSCustomeColor1 : PBSCustomeColor2;
        palette.*ThemePalette::kColors[i] = shade.lightened ? LightenColor(base, shade.amount) : base;
    }
    return true;
}

}  // namespace tirnel
