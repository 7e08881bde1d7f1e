// The amber (7), orange hover (13) and grey gradient (15) looks, drawn on small buttons through
// the script runner: the rows and columns of each band and frame, at the heights where the
// rounding of the band split matters, in each state; the orange hover's shades also at the
// smallest height and a very large one.

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;

// The back colour of every button here: three different channels, none near a clamp.
constexpr Color kBack = 0x5A7896;
constexpr Color kWhite = 0xFFFFFF;

// Tones of the back colour worked out by hand: S(a) moves each channel (150, 120 and 90 for
// red, green and blue) by nearest(a × 255); M is the channel-wise mean, ties to even.
constexpr Color kUp09 = 0x718FAD;         // S(+0.09): +23
constexpr Color kUp08 = 0x6E8CAA;         // S(+0.08): +20
constexpr Color kUp05 = 0x6785A3;         // S(+0.05): +13
constexpr Color kUp03 = 0x62809E;         // S(+0.03): +8
constexpr Color kDown01 = 0x577593;       // S(-0.01): -3
constexpr Color kDown05 = 0x4D6B89;       // S(-0.05): -13
constexpr Color kDown13 = 0x395775;       // S(-0.13): -33
constexpr Color kDown34 = 0x03213F;       // S(-0.34): -87
constexpr Color kWhitenedUp09 = 0xB8C7D6;  // M(S(+0.09), white): (173 + 255) / 2, (143 + 255) / 2, (113 + 255) / 2
constexpr Color kHalfUp07 = 0x63819F;      // M(S(+0.07), back): (168 + 150) / 2, (138 + 120) / 2, (108 + 90) / 2

// Entry i of a linear ramp of n + 1 entries from one colour to another, channel by channel,
// the division truncating.
Color Ramp(Color from, Color to, int n, int i) {
    const auto channel = [&](int shift) {
        const int a = static_cast<int>((from >> shift) & 0xFF);
        const int b = static_cast<int>((to >> shift) & 0xFF);
        return static_cast<Color>(a + (i * (b - a)) / n) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

Color Inverted(Color color) { return color ^ 0xFFFFFF; }

// Every pixel from (x1, y1) to (x2, y2), both included, holds the colour.
struct Span {
    int x1, y1, x2, y2;
    Color color;
};
Span Pixel(int x, int y, Color color) { return {x, y, x, y, color}; }
Span Row(int y, int x1, int x2, Color color) { return {x1, y, x2, y, color}; }
Span Column(int x, int y1, int y2, Color color) { return {x, y1, x, y2, color}; }

// A frame of one colour around the W x H button, followed by the look's inner spans.
std::vector<Span> Framed(int W, int H, Color color, std::initializer_list<Span> inner) {
    std::vector<Span> spans = {Row(0, 0, W - 1, color), Row(H - 1, 0, W - 1, color), Column(0, 0, H - 1, color),
                               Column(W - 1, 0, H - 1, color)};
    spans.insert(spans.end(), inner);
    return spans;
}

struct LookCase {
    std::string name;
    int width, height;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    std::vector<Span> spans;
    std::vector<const char*> ambient = {};
};

// The runner's button sits at (10, 10) on its form; these points are over it.
const std::vector<const char*> kHover = {"move:6,6"};
const std::vector<const char*> kDown = {"move:6,6", "press:6,6"};
const std::vector<const char*> kChecked = {"CheckBoxMode=True", "Value=True"};

QImage Draw(int style, const LookCase& c) {
    const std::string button = "ButtonStyle=" + std::to_string(style);
    const std::string back = "BackColor=0x" + Hex(kBack, 6);
    return DrawButton(QSize(c.width, c.height), With({button.c_str(), "Caption=", back.c_str()}, c.settings), c.steps,
                      c.ambient)
        .convertToFormat(QImage::Format_ARGB32);
}

void ExpectSpans(int style, const LookCase& c) {
    SCOPED_TRACE(c.name);
    const QImage image = Draw(style, c);
    ASSERT_EQ(image.size(), QSize(c.width, c.height));
    for (const Span& s : c.spans) {
        int wrong = 0;
        for (int y = s.y1; y <= s.y2; ++y)
            for (int x = s.x1; x <= s.x2; ++x)
                if (FromQRgb(image.pixel(x, y)) != s.color && wrong++ == 0)
                    ADD_FAILURE() << "(" << x << ", " << y << ") is " << Hex(FromQRgb(image.pixel(x, y)), 6) << ", not "
                                  << Hex(s.color, 6);
    }
}

// Amber: an upper band of nearest(H / 2.7) rows and a lower band below it, framed in S(-0.34).
// At H = 21 the split is row 8 (7.78 rounds up), at H = 24 row 9 (8.89); the frame covers
// the top row and the bottom one.
std::vector<Span> AmberSpans(int W, int H, int split, Color upperFrom, Color upperTo, Color lowerFrom, Color lowerTo) {
    const Color frame = kDown34;
    const int lower = H - split;  // the lower band's rows, the last under the frame
    return Framed(W, H, frame, {
        Row(1, 1, W - 2, Ramp(upperFrom, upperTo, split - 1, 1)),
        Row(split - 1, 1, W - 2, upperTo),
        Row(split, 1, W - 2, lowerFrom),
        Row(H - 2, 1, W - 2, Ramp(lowerFrom, lowerTo, lower - 1, lower - 2)),
    });
}

std::vector<LookCase> AmberCases() {
    const Color restTop = kWhitenedUp09, restSplit = kHalfUp07;
    std::vector<LookCase> cases;
    for (const auto& [H, split] : {std::pair{21, 8}, std::pair{24, 9}}) {
        const std::string h = std::to_string(H);
        const std::vector<Span> rest = AmberSpans(30, H, split, restTop, restSplit, kBack, kUp03);
        const std::vector<Span> hover = AmberSpans(30, H, split, 0xE1FFFF, 0xACEAFF, 0x67D7FF, 0x99E4FF);
        const std::vector<Span> pressed = AmberSpans(30, H, split, 0x58C1FF, 0x51AFFF, 0x468FFF, 0x5FD3FF);
        const std::vector<Span> checked = AmberSpans(30, H, split, 0xA9D9FF, 0x6FC0FF, 0x3FABFF, 0x75E1FF);
        cases.push_back({"Rest" + h, 30, H, {}, {}, rest});
        cases.push_back({"Hover" + h, 30, H, {}, kHover, hover});
        cases.push_back({"Down" + h, 30, H, {}, kDown, pressed});
        cases.push_back({"Checked" + h, 30, H, kChecked, {}, checked});
        cases.push_back({"CheckedHover" + h, 30, H, kChecked, kHover, pressed});
        cases.push_back({"CheckedDown" + h, 30, H, kChecked, kDown, pressed});
        // No disabled look and no focus cue: both draw the rest look.
        cases.push_back({"Disabled" + h, 30, H, {"Enabled=False"}, {}, rest});
        cases.push_back({"Focused" + h, 30, H, {}, {"focus"}, rest});
    }
    return cases;
}

// Orange hover at rest: nearest(H / 2) rows from S(+0.05) to the back colour, then
// nearest(H / 2 + 1) rows from S(-0.01) to S(-0.13), the last of them below the bottom; no
// frame. At H = 21 the halves are 10 and 12 rows (10.5 rounds to even, 11.5 up), at H = 22
// 11 and 12.
std::vector<Span> OrangeRestSpans(int W, int H, int half, int lower) {
    return {
        Row(0, 0, W - 1, kUp05),
        Row(half - 1, 0, W - 1, kBack),
        Row(half, 0, W - 1, kDown01),
        Row(H - 1, 0, W - 1, Ramp(kDown01, kDown13, lower - 1, H - 1 - half)),
    };
}

// The other looks: one vertical shade over the whole height inside a navy frame.
std::vector<Span> OrangeShadeSpans(int W, int H, Color top, Color bottom) {
    constexpr Color navy = 0x800000;
    return Framed(W, H, navy, {
        Row(1, 1, W - 2, Ramp(top, bottom, H - 1, 1)),
        Row(H / 2, 1, W - 2, Ramp(top, bottom, H - 1, H / 2)),
        Row(H - 2, 1, W - 2, Ramp(top, bottom, H - 1, H - 2)),
    });
}

std::vector<LookCase> OrangeCases() {
    std::vector<LookCase> cases;
    // At H = 15 the halves are 8 and 8 rows (7.5 rounds to even, 8.5 to even), at H = 2000
    // 1000 and 1001.
    for (const auto& [H, half, lower] :
         {std::tuple{21, 10, 12}, std::tuple{22, 11, 12}, std::tuple{15, 8, 8}, std::tuple{2000, 1000, 1001}}) {
        const std::string h = std::to_string(H);
        const std::vector<Span> rest = OrangeRestSpans(30, H, half, lower);
        const std::vector<Span> pressed = OrangeShadeSpans(30, H, 0x4E91FE, 0x8ED3FF);
        const std::vector<Span> checked = OrangeShadeSpans(30, H, 0x8CD5FF, 0x55ADFF);
        cases.push_back({"Rest" + h, 30, H, {}, {}, rest});
        cases.push_back({"Hover" + h, 30, H, {}, kHover, OrangeShadeSpans(30, H, 0xCCF4FF, 0x91D0FF)});
        cases.push_back({"Down" + h, 30, H, {}, kDown, pressed});
        // Checked: its own shade with the pointer away, the pressed one with it over, in any state.
        cases.push_back({"Checked" + h, 30, H, kChecked, {}, checked});
        cases.push_back({"CheckedFocused" + h, 30, H, kChecked, {"focus"}, checked});
        cases.push_back({"CheckedHover" + h, 30, H, kChecked, kHover, pressed});
        cases.push_back({"CheckedDown" + h, 30, H, kChecked, kDown, pressed});
        cases.push_back({"FocusedDrawsNoCue" + h, 30, H, {}, {"focus"}, rest});
    }
    return cases;
}

// Grey gradient: a left-to-right shade over the whole width in a 0x7D807E frame; a dotted
// rectangle (3, 3, W-3, H-3) inverts the pixels whose x + y is even.
std::vector<Span> GreySpans(int W, int H, Color left, Color right, bool focusRect) {
    constexpr Color frame = 0x7D807E;
    const auto at = [&](int x) { return Ramp(left, right, W - 1, x); };
    const auto focus = [&](int x, int y) { return focusRect && (x + y) % 2 == 0 ? Inverted(at(x)) : at(x); };
    return Framed(W, H, frame, {
        Column(1, 1, H - 2, at(1)),
        Column(2, 1, H - 2, at(2)),
        Column(W - 2, 1, H - 2, at(W - 2)),
        Pixel(3, 3, focus(3, 3)),
        Pixel(4, 3, focus(4, 3)),
        Pixel(W - 4, H - 4, focus(W - 4, H - 4)),
        Pixel(W - 4, H / 2 + 1, focus(W - 4, H / 2 + 1)),
        Pixel(3, H - 6, focus(3, H - 6)),
        Pixel(W / 2, 4, at(W / 2)),
    });
}

std::vector<LookCase> GreyCases() {
    const int W = 31, H = 21;
    const std::vector<Span> rest = GreySpans(W, H, kBack, kUp08, false);
    const std::vector<Span> pressed = GreySpans(W, H, kDown05, kUp03, false);
    const std::vector<Span> focused = GreySpans(W, H, kBack, kUp08, true);
    const std::vector<const char*> dotted = {"ShowFocusRect=True"};
    return {
        {"Rest", W, H, {}, {}, rest},
        {"Hover", W, H, {}, kHover, rest},
        {"Down", W, H, {}, kDown, pressed},
        {"CheckedAtRestLooksPressed", W, H, kChecked, {}, pressed},
        {"CheckedHoverLooksPressed", W, H, kChecked, kHover, pressed},
        {"Focused", W, H, dotted, {"focus"}, focused},
        {"FocusedDown", W, H, dotted, With({"focus"}, kDown), GreySpans(W, H, kDown05, kUp03, true)},
        {"Default", W, H, dotted, {}, focused, {"DisplayAsDefault=True"}},
        {"FocusedWithoutFocusRect", W, H, {}, {"focus"}, rest},
        {"FocusedInDesigner", W, H, dotted, {"focus"}, rest, {"UserMode=False"}},
        {"DefaultInInactiveWindow", W, H, dotted, {"deactivate"}, rest, {"DisplayAsDefault=True"}},
    };
}

class AmberOrangeGreyTest : public ::testing::Test {};

TEST_F(AmberOrangeGreyTest, AmberBandsSplitAtNearestOfHeightOver2Point7) {
    for (const LookCase& c : AmberCases()) ExpectSpans(7, c);
}

TEST_F(AmberOrangeGreyTest, OrangeHoverRestsUnframedAndShadesInNavyOtherwise) {
    for (const LookCase& c : OrangeCases()) ExpectSpans(13, c);
}

TEST_F(AmberOrangeGreyTest, GreyGradientShadesAcrossWithItsFocusRectangle) {
    for (const LookCase& c : GreyCases()) ExpectSpans(15, c);
}

}  // namespace
}  // namespace tirnel::render
