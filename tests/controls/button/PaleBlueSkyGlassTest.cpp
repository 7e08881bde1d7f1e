// The pale blue (8) and sky glass (4) looks pixel by pixel on 30-pixel-wide buttons with an
// empty caption and the back colour 0xC08040: pale blue flat at rest and when disabled, its
// shade with the flat part from nearest(H / 1.7); the sky glass halves, its side strips
// drawn mirrored and ending at H/2 and H-2 for odd and even heights, the pressed shadow
// lines under the strips, the disabled look, the blue double frame and the dotted rectangle.

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;
using namespace test::ochre;

constexpr int W = 30;

using Blocks = Look;

QImage Draw(int height, const std::vector<const char*>& settings, const std::vector<const char*>& steps,
            const std::vector<const char*>& ambient = {}) {
    return DrawButton(QSize(W, height), With({"Caption=", "BackColor=0xC08040"}, settings), steps, ambient);
}

// An outer and an inner frame (the outer one without the corners the round shape cuts off)
// and the four pixels inside the corners.
Blocks Frames(int H, QRgb outer, std::optional<QRgb> inner, QRgb corner) {
    Blocks b = {{2, 0, W - 3, 0, outer}, {2, H - 1, W - 3, H - 1, outer}, {0, 2, 0, H - 3, outer},
                {W - 1, 2, W - 1, H - 3, outer}};
    if (inner)
        b = b + Blocks{{1, 1, W - 2, 1, *inner}, {1, H - 2, W - 2, H - 2, *inner}, {1, 1, 1, H - 2, *inner},
                       {W - 2, 1, W - 2, H - 2, *inner}};
    return b + Blocks{{1, 1, 1, 1, corner}, {W - 2, 1, W - 2, 1, corner}, {1, H - 2, 1, H - 2, corner},
                      {W - 2, H - 2, W - 2, H - 2, corner}};
}

// Rows of the face from column `from` to column W-1-from.
Blocks Rows(int from, std::initializer_list<std::pair<int, QRgb>> rows) {
    Blocks b;
    for (const auto& [y, color] : rows) b.push_back({from, y, W - 1 - from, y, color});
    return b;
}

constexpr int H = 23;
const QRgb kWhite = Rgb(0xFFFFFF);
const QRgb kPaleFrame = Rgb(0xCA9E61);
const QRgb kPaleCorner = Rgb(0xFFEBAE);  // the frame lightened by 0.3
const Blocks kPaleRest = {{2, 0, W - 3, H - 1, Rgb(kBack)}, {0, 2, W - 1, H - 3, Rgb(kBack)}};
// 23 high: the shade over rows 1..21, the flat part from nearest(13.53) = 14; row 13 is entry
// 12 of 20.
const Blocks kPaleHover =
    Rows(2, {{2, Rgb(0xFDF9F0)}, {13, Rgb(0xFAF2DE)}, {14, Rgb(0xF8ECD0)}, {20, Rgb(0xF8ECD0)}}) +
    Frames(H, kPaleFrame, kWhite, kPaleCorner);
const Blocks kPaleDown =
    Rows(2, {{2, Rgb(0xF1DEB2)}, {20, Rgb(0xF8F0D8)}}) + Frames(H, kPaleFrame, kWhite, kPaleCorner);

// Sky glass, 21 high, H/2 = nearest(10.5) = 10. At rest the tall upper shade runs from row 1
// over 21 rows (row 2 entry 1, row 9 entry 8 of 20), the lower from row 10 over 19 rows (row
// 18 entry 8 of 18).
constexpr int G = 21;
const QRgb kCorner = Rgb(0xBE965F);
const Blocks kGlassRest = Rows(2, {{2, Rgb(0xCD8D4D)}, {9, Rgb(0xC88848)}, {10, Rgb(kDown02)}, {18, Rgb(0xAD6D2D)}});
const Blocks kRest = kGlassRest + Frames(G, Rgb(0x707070), kWhite, kCorner);
const Blocks kFocusedRest = kGlassRest + Frames(G, Rgb(0xA77532), Rgb(0xFBD848), kCorner);
// Under the pointer the strips' ramps run outer to inner on the left and inner to outer on
// the right: column 2 is entry 1 of 4, column W-3 entry 3 of 4, and truncation makes them
// differ by one.
const Blocks kHover = Rows(6, {{2, Rgb(0xFFF7E3)}, {9, Rgb(0xFFF4DC)}, {10, Rgb(0xFFE9C1)}, {18, Rgb(0xFFE6B9)}}) +
                      Blocks{{2, 2, 2, 2, Rgb(0xFFF7E3)},
                             {2, 3, 2, 9, Rgb(0xFFF0D2)},
                             {5, 3, 5, 9, Rgb(0xFFF7E4)},
                             {W - 6, 3, W - 6, 9, Rgb(0xFFF7E4)},
                             {W - 3, 3, W - 3, 9, Rgb(0xFFF1D3)},
                             {2, 10, 2, 18, Rgb(0xFBD997)},
                             {5, 10, 5, 18, Rgb(0xFFE4AF)},
                             {W - 3, 10, W - 3, 18, Rgb(0xFCDA97)}} +
                      Frames(G, Rgb(0xA77532), kWhite, kCorner);
// Pressed, for a height h: the shadow rows, the column line of which only (1, 2) shows, the
// strips over both (upper rows 3..h/2-1, lower rows h/2..h-2) and the flat halves between.
Blocks Down(int h, int half) {
    return Blocks{{2, 1, W - 3, 1, Rgb(0xB39C71)},
                  {2, 2, W - 3, 2, Rgb(0xD6C6A9)},
                  {6, 3, W - 7, 3, Rgb(0xECD9B9)},
                  {1, 2, 1, 2, Rgb(0xCFB073)},
                  {6, 4, W - 7, half - 1, Rgb(0xF6E4C2)},
                  {6, half, W - 7, h - 2, Rgb(0xF0D29A)},
                  {1, 3, 1, half - 1, Rgb(0xEBCD96)},
                  {2, 3, 2, half - 1, Rgb(0xEDD2A0)},
                  {5, 3, 5, half - 1, Rgb(0xF3E1BF)},
                  {W - 6, 3, W - 6, half - 1, Rgb(0xF3E1BF)},
                  {W - 3, 3, W - 3, half - 1, Rgb(0xEDD2A1)},
                  {W - 2, 3, W - 2, half - 1, Rgb(0xEBCD96)},
                  {1, half, 1, h - 2, Rgb(0xE1B053)},
                  {2, half, 2, h - 2, Rgb(0xE4B764)},
                  {5, half, 5, h - 2, Rgb(0xEDCF97)},
                  {W - 3, half, W - 3, h - 2, Rgb(0xE4B864)},
                  {W - 2, half, W - 2, h - 2, Rgb(0xE1B053)}} +
           Frames(h, Rgb(0x5C411D), std::nullopt, kCorner);
}
const Blocks kDisabled =
    Blocks{{2, 2, W - 3, G - 3, Rgb(kUp03)}} + Frames(G, Rgb(kDown25), Rgb(kUp25), Rgb(kDown03));

const std::vector<const char*> kPale = {"ButtonStyle=8"};
const std::vector<const char*> kGlass = {"ButtonStyle=4"};
const std::vector<const char*> kHovered = {"activate", "move:5,5"};
const std::vector<const char*> kPressed = {"activate", "move:5,5", "press:5,5"};
const std::vector<const char*> kChecked = {"CheckBoxMode=True", "Value=True"};

struct LookCase {
    const char* name;
    int height;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    Blocks blocks;
    std::vector<const char*> ambient = {};
};
void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

const std::vector<LookCase>& LookCases() {
    static const std::vector<LookCase> cases = {
        {"PaleAtRestHasNoBorder", H, kPale, {}, kPaleRest},
        {"PaleDisabledWhileHoveredIsFlat", H, kPale, With(kHovered, {"let:Enabled=False"}), kPaleRest},
        {"PaleHovered", H, kPale, kHovered, kPaleHover},
        {"PalePressed", H, kPale, kPressed, kPaleDown},
        {"PaleChecked", H, With(kPale, kChecked), {}, kPaleDown},
        {"PaleFocusedHasNoCue", H, With(kPale, {"ShowFocusRect=True"}), With({"focus"}, kHovered), kPaleHover},
        {"GlassAtRest", G, kGlass, {}, kRest},
        {"GlassFocusedAtRest", G, kGlass, {"focus"}, kFocusedRest},
        {"GlassDefaultAtRest", G, kGlass, {"activate"}, kFocusedRest, {"DisplayAsDefault=True"}},
        {"GlassDefaultInInactiveWindow", G, kGlass, {"deactivate"}, kRest, {"DisplayAsDefault=True"}},
        {"GlassFocusedHoveredHasNoDoubleFrame", G, kGlass, With({"focus"}, kHovered), kHover},
        {"GlassPressedOddHeight", G, kGlass, kPressed, Down(G, 10)},
        // 22 high: H/2 = 11, H/2 - 2 = 9 upper strip rows, H - H/2 - 1 = 10 lower ones.
        {"GlassPressedEvenHeight", 22, kGlass, kPressed, Down(22, 11)},
        {"GlassChecked", 22, With(kGlass, kChecked), {}, Down(22, 11)},
        {"GlassDisabled", G, With(kGlass, {"Enabled=False"}), {}, kDisabled},
        {"GlassDisabledDefault", G, With(kGlass, {"Enabled=False"}), {}, kDisabled, {"DisplayAsDefault=True"}},
    };
    return cases;
}

class PaleBlueSkyGlassLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(PaleBlueSkyGlassLook, HasItsPixels) {
    const LookCase& c = GetParam();
    EXPECT_EQ(Differences(Draw(c.height, c.settings, c.steps, c.ambient), c.blocks), "");
}

INSTANTIATE_TEST_SUITE_P(PaleBlueSkyGlass, PaleBlueSkyGlassLook, ::testing::ValuesIn(LookCases()), CaseName());

// The sky glass dots (2, 2, W-2, H-2) need the focus itself: with ShowFocusRect the button
// looks as it does without, but for the pixels with x + y even on that frame, inverted.
TEST(SkyGlassFocus, DotsNeedTheFocus) {
    struct Case {
        const char* name;
        std::vector<const char*> steps;
        std::vector<const char*> ambient;
        bool dotted;
    };
    const std::vector<Case> cases = {
        {"Focused", {"focus"}, {}, true},
        {"FocusedPressed", With({"focus"}, kPressed), {}, true},
        {"DefaultOnly", {"activate"}, {"DisplayAsDefault=True"}, false},
        {"FocusedInInactiveWindow", {"focus", "deactivate"}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage plain = Draw(G, kGlass, c.steps, c.ambient);
        const QImage expected = c.dotted ? Dotted(plain, Edges{2, 2, W - 2, G - 2}) : plain;
        EXPECT_EQ(Differences(Draw(G, With(kGlass, {"ShowFocusRect=True"}), c.steps, c.ambient), expected), "");
    }
}

}  // namespace
}  // namespace tirnel::render
