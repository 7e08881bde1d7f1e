// The round blue look (style 2), pixel by pixel on a 24 x 16 button with an empty caption: the
// shaded face at rest, the orange hover glow, the pressed bevel, the disabled look, the blue
// glow of a focused or default button, the dotted rectangle, and the dark blue frame with its
// softened corners and the clipped outer corners of the round shape.

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;

constexpr int W = 24;
constexpr int H = 16;

// The back colour 0x3C5A78 (red 120, green 90, blue 60) moved by d on every channel. The
// shifts of the look stay clear of 0 and 255 on it, so S(a) is the back colour plus
// nearest(a × 255): S(+0.2) +51, S(+0.08) +20, S(+0.07) +18, S(+0.04) +10, S(+0.03) +8,
// S(-0.01) -3, S(-0.05) -13, S(-0.08) -20, S(-0.09) -23, S(-0.1) -26, S(-0.16) -41.
constexpr QRgb Plus(int d) { return qRgb(120 + d, 90 + d, 60 + d); }
constexpr QRgb Grey(int v) { return qRgb(v, v, v); }

constexpr QRgb kFrame = Rgb(0x743C00);
constexpr QRgb kCorner = Rgb(0xC1894D);  // the frame colour lightened by 0.3
constexpr QRgb kOutside = qRgba(0, 0, 0, 0);
// The average of white and the back colour: 187.5, 172.5 and 157.5 round to even.
constexpr QRgb kWhiteMix = qRgb(188, 172, 158);

// The shade of rest and hover, row by row: the vertical blend from S(+0.07) to the back
// colour over 16 rows (18 - trunc(18 r / 15)), with the blend from S(+0.2) to S(+0.08) over
// the top five rows (51 - trunc(31 r / 4)).
Look Shade(const std::array<int, H>& rows, QRgb (*color)(int)) {
    Look look;
    for (int y = 0; y < H; ++y) look.push_back({0, y, W - 1, y, color(rows[y])});
    return look;
}
const Look kShade = Shade({51, 44, 36, 28, 20, 12, 11, 10, 9, 8, 6, 5, 4, 3, 2, 0}, Plus);

// The darker lines along the bottom and the right, and the light line down the left.
const Look kRestLines = {{1, 14, 21, 14, Plus(-23)}, {1, 13, 21, 13, Plus(-13)}, {1, 12, 21, 12, Plus(-3)},
                         {22, 2, 22, 13, Plus(-20)}, {1, 1, 1, 13, kWhiteMix}};

// The glow inside the frame: two rows at the top, a column each side, a second column
// inside each, and two rows at the bottom, each line without its end point.
Look Glow(const std::array<unsigned, 8>& c) {
    return {{1, 2, 21, 2, Rgb(c[0])},  {1, 1, 21, 1, Rgb(c[1])},  {1, 1, 1, 13, Rgb(c[2])},
            {22, 2, 22, 13, Rgb(c[3])}, {2, 2, 2, 12, Rgb(c[4])},  {21, 3, 21, 12, Rgb(c[5])},
            {2, 13, 21, 13, Rgb(c[6])}, {2, 14, 21, 14, Rgb(c[7])}};
}
const Look kOrangeGlow = Glow({0x89D8FD, 0xCFF0FF, 0x49BDF9, 0x49BDF9, 0x7AD2FC, 0x7AD2FC, 0x30B3F8, 0x0097E5});
const Look kBlueGlow = Glow({0xF6D4BC, 0xFFE7CE, 0xE6AF8E, 0xE6AF8E, 0xF4D1B8, 0xF4D1B8, 0xE4AD89, 0xEE8269});

// The frame, the four pixels inside its corners, and the corners the round shape cuts off.
Look Frame(QRgb frame, QRgb corner) {
    return {{1, 0, 22, 0, frame}, {1, 15, 22, 15, frame}, {0, 1, 0, 14, frame}, {23, 1, 23, 14, frame},
            {1, 1, 1, 1, corner}, {1, 14, 1, 14, corner}, {22, 1, 22, 1, corner}, {22, 14, 22, 14, corner},
            {0, 0, 0, 0, kOutside}, {23, 0, 23, 0, kOutside}, {0, 15, 0, 15, kOutside}, {23, 15, 23, 15, kOutside}};
}
const Look kBlueFrame = Frame(kFrame, kCorner);

const Look kRest = kShade + kRestLines + kBlueFrame;
const Look kHover = kShade + kOrangeGlow + kBlueFrame;
const Look kFocusedRest = kShade + kRestLines + kBlueGlow + kBlueFrame;
const Look kDown = Look{{0, 0, W - 1, H - 1, Plus(-13)},
                        {1, 1, 21, 1, Plus(-41)},
                        {1, 2, 21, 2, Plus(-26)},
                        {1, 14, 21, 14, Plus(18)},
                        {1, 1, 1, 13, Plus(-41)},
                        {2, 2, 2, 13, Plus(-26)},
                        {22, 2, 22, 13, Plus(10)}} +
                   kBlueFrame;
const Look kDisabled = Look{{0, 0, W - 1, H - 1, Plus(8)}} + Frame(Plus(-26), Plus(51));
// On white every lightening clamps to white, and so does the mix: only the darker lines
// shade the face (255 less 23, 13, 3 and 20).
const Look kWhiteRest = Look{{0, 0, W - 1, H - 1, Grey(255)},
                             {1, 14, 21, 14, Grey(232)},
                             {1, 13, 21, 13, Grey(242)},
                             {1, 12, 21, 12, Grey(252)},
                             {22, 2, 22, 13, Grey(235)},
                             {1, 1, 1, 13, Grey(255)}} +
                        kBlueFrame;

// The button drawn by the steps, on an active form of its own.
QImage Draw(const std::vector<const char*>& settings, const std::vector<const char*>& steps,
            const std::vector<const char*>& ambient) {
    return DrawButton(QSize(W, H), With({"ButtonStyle=2", "Caption=", "BackColor=0x3C5A78"}, settings), steps, ambient);
}

const std::vector<const char*> kHovered = {"move:12,8"};
const std::vector<const char*> kPressed = {"move:12,8", "press:12,8"};

struct LookCase {
    const char* name;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    Look look;
    std::vector<const char*> ambient = {};
};
void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

const std::vector<LookCase>& LookCases() {
    static const std::vector<LookCase> cases = {
        {"AtRest", {}, {}, kRest},
        {"Hovered", {}, kHovered, kHover},
        {"Down", {}, kPressed, kDown},
        // The blue glow: focused or default, at rest, in an active window.
        {"FocusedAtRestGlowsBlue", {}, {"focus"}, kFocusedRest},
        {"DefaultAtRestGlowsBlue", {}, {}, kFocusedRest, {"DisplayAsDefault=True"}},
        {"FocusedHoveredKeepsTheOrangeGlow", {}, With({"focus"}, kHovered), kHover},
        {"DefaultHoveredKeepsTheOrangeGlow", {}, kHovered, kHover, {"DisplayAsDefault=True"}},
        {"FocusedDownHasNoGlow", {}, With({"focus"}, kPressed), kDown},
        {"DefaultInInactiveWindowHasNoGlow", {}, {"deactivate"}, kRest, {"DisplayAsDefault=True"}},
        // Disabled: flat and pale whatever the state, the frame a darker back colour.
        {"DisabledAtRest", {"Enabled=False"}, {}, kDisabled},
        {"DisabledWhileHovered", {}, {"move:12,8", "let:Enabled=False"}, kDisabled},
        {"DisabledDefault", {"Enabled=False"}, {}, kDisabled, {"DisplayAsDefault=True"}},
        {"WhiteBackColorClamps", {"BackColor=0xFFFFFF"}, {}, kWhiteRest},
    };
    return cases;
}

class RoundBlueLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(RoundBlueLook, HasItsPixels) {
    const LookCase& c = GetParam();
    EXPECT_EQ(Differences(Draw(c.settings, c.steps, c.ambient), c.look), "");
}

INSTANTIATE_TEST_SUITE_P(RoundBlue, RoundBlueLook, ::testing::ValuesIn(LookCases()), CaseName());

// The dotted rectangle (2, 2, W-2, H-2): with ShowFocusRect let True the button must look as it
// does without, but for every pixel with x + y even on the rectangle's frame, inverted. The
// let itself does not repaint; the caption let after it does.
struct FocusCase {
    const char* name;
    std::vector<const char*> steps;
    bool dotted;
    std::vector<const char*> ambient = {};
};
void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

const std::vector<FocusCase>& FocusCases() {
    static const std::vector<FocusCase> cases = {
        {"FocusedAtRest", {"focus"}, true},
        {"FocusedHovered", With({"focus"}, kHovered), true},
        {"FocusedDown", With({"focus"}, kPressed), true},
        {"DefaultWithoutFocus", {}, true, {"DisplayAsDefault=True"}},
        {"DefaultHovered", kHovered, true, {"DisplayAsDefault=True"}},
        {"UnfocusedHovered", kHovered, false},
        {"DefaultInInactiveWindow", {"deactivate"}, false, {"DisplayAsDefault=True"}},
    };
    return cases;
}

class RoundBlueFocus : public ::testing::TestWithParam<FocusCase> {};

TEST_P(RoundBlueFocus, DotsOnlyItsRectangle) {
    const FocusCase& c = GetParam();
    const QImage plain = Draw({}, c.steps, c.ambient);
    const QImage focused = Draw({}, With({"let:ShowFocusRect=True", "let:Caption="}, c.steps), c.ambient);
    const QImage expected = c.dotted ? Dotted(plain, Edges{2, 2, W - 2, H - 2}) : plain;
    ASSERT_EQ(focused.size(), expected.size());
    EXPECT_EQ(Differences(focused, expected), "");
}

INSTANTIATE_TEST_SUITE_P(RoundBlue, RoundBlueFocus, ::testing::ValuesIn(FocusCases()), CaseName());

}  // namespace
}  // namespace tirnel::render
