// The amber (7), orange hover (13) and grey gradient (15) looks, drawn on small buttons through
// the script runner: the rows and columns of each band and frame, at the heights where the
// rounding of the band split matters, in each state; and every state at 15 x 15 and
// 2000 x 2000.

#include "controls/button/ButtonColours.h"
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

Color C(float amount) { return ShiftColor(kBack, amount); }

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

Color Inverted(Color colour) { return colour ^ 0xFFFFFF; }

// Every pixel from (x1, y1) to (x2, y2), both included, holds the colour.
struct Span {
    int x1, y1, x2, y2;
    Color colour;
};
Span Pixel(int x, int y, Color colour) { return {x, y, x, y, colour}; }
Span Row(int y, int x1, int x2, Color colour) { return {x1, y, x2, y, colour}; }
Span Column(int x, int y1, int y2, Color colour) { return {x, y1, x, y2, colour}; }

// A frame of one colour around the W x H button, followed by the look's inner spans.
std::vector<Span> Framed(int W, int H, Color colour, std::initializer_list<Span> inner) {
    std::vector<Span> spans = {Row(0, 0, W - 1, colour), Row(H - 1, 0, W - 1, colour), Column(0, 0, H - 1, colour),
                               Column(W - 1, 0, H - 1, colour)};
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
                if (FromQRgb(image.pixel(x, y)) != s.colour && wrong++ == 0)
                    ADD_FAILURE() << "(" << x << ", " << y << ") is " << Hex(FromQRgb(image.pixel(x, y)), 6) << ", not "
                                  << Hex(s.colour, 6);
    }
}

// Amber: an upper band of nearest(H / 2.7) rows and a lower band below it, framed in S(-0.34).
// At H = 21 the split is row 8 (7.78 rounds up), at H = 24 row 9 (8.89); the frame covers
// the top row and the bottom one.
std::vector<Span> AmberSpans(int W, int H, int split, Color upperFrom, Color upperTo, Color lowerFrom, Color lowerTo) {
    const Color frame = C(-0.34f);
    const int lower = H - split;  // the lower band's rows, the last under the frame
    return Framed(W, H, frame, {
        Row(1, 1, W - 2, Ramp(upperFrom, upperTo, split - 1, 1)),
        Row(split - 1, 1, W - 2, upperTo),
        Row(split, 1, W - 2, lowerFrom),
        Row(H - 2, 1, W - 2, Ramp(lowerFrom, lowerTo, lower - 1, lower - 2)),
    });
}

std::vector<LookCase> AmberCases() {
    const Color restTop = MixColors(C(0.09f), kWhite), restSplit = MixColors(C(0.07f), kBack);
    std::vector<LookCase> cases;
    for (const auto& [H, split] : {std::pair{21, 8}, std::pair{24, 9}}) {
        const std::string h = std::to_string(H);
        const std::vector<Span> rest = AmberSpans(30, H, split, restTop, restSplit, kBack, C(0.03f));
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
        Row(0, 0, W - 1, C(0.05f)),
        Row(half - 1, 0, W - 1, kBack),
        Row(half, 0, W - 1, C(-0.01f)),
        Row(H - 1, 0, W - 1, Ramp(C(-0.01f), C(-0.13f), lower - 1, H - 1 - half)),
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
    for (const auto& [H, half, lower] : {std::tuple{21, 10, 12}, std::tuple{22, 11, 12}}) {
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
    const std::vector<Span> rest = GreySpans(W, H, kBack, C(0.08f), false);
    const std::vector<Span> pressed = GreySpans(W, H, C(-0.05f), C(0.03f), false);
    const std::vector<Span> focused = GreySpans(W, H, kBack, C(0.08f), true);
    const std::vector<const char*> dotted = {"ShowFocusRect=True"};
    return {
        {"Rest", W, H, {}, {}, rest},
        {"Hover", W, H, {}, kHover, rest},
        {"Down", W, H, {}, kDown, pressed},
        {"CheckedAtRestLooksPressed", W, H, kChecked, {}, pressed},
        {"CheckedHoverLooksPressed", W, H, kChecked, kHover, pressed},
        {"Focused", W, H, dotted, {"focus"}, focused},
        {"FocusedDown", W, H, dotted, With({"focus"}, kDown), GreySpans(W, H, C(-0.05f), C(0.03f), true)},
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

// Every state of the three looks at the smallest and a very large size: the whole surface is
// drawn and the far corner holds the look's frame (the orange rest look has none; there the
// corner is the row of its lower half's shade that falls on the bottom).
TEST_F(AmberOrangeGreyTest, EveryStateDrawsAtTinyAndHugeSizes) {
    struct State {
        const char* name;
        std::vector<const char*> settings;
        std::vector<const char*> steps;
        bool rest;  // unchecked, drawn in StateNormal
        std::vector<const char*> ambient = {};
    };
    const std::vector<State> states = {
        {"normal", {}, {}, true},
        {"hover", {}, kHover, false},
        {"down", {}, kDown, false},
        {"checked", kChecked, {}, false},
        {"checked hover", kChecked, kHover, false},
        {"disabled", {"Enabled=False"}, {}, true},
        {"focus", {"ShowFocusRect=True"}, {"focus"}, true},
        {"default", {"ShowFocusRect=True"}, {}, true, {"DisplayAsDefault=True"}},
    };
    const std::vector<std::pair<int, Color>> frames = {{7, C(-0.34f)}, {13, 0x800000}, {15, 0x7D807E}};
    for (const int size : {15, 2000}) {
        for (const auto& [style, frame] : frames) {
            for (const State& s : states) {
                const LookCase c{std::to_string(style) + " " + s.name + " " + std::to_string(size),
                                 size, size, s.settings, s.steps, {}, s.ambient};
                SCOPED_TRACE(c.name);
                const QImage image = Draw(style, c);
                ASSERT_EQ(image.size(), QSize(size, size));
                EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 255);
                Color corner = frame;
                if (style == 13 && s.rest) {
                    const int half = static_cast<int>(std::nearbyint(size / 2.0));
                    const int lower = static_cast<int>(std::nearbyint(size / 2.0 + 1));
                    corner = Ramp(C(-0.01f), C(-0.13f), lower - 1, size - 1 - half);
                }
                EXPECT_EQ(Hex(FromQRgb(image.pixel(size - 1, size - 1)), 6), Hex(corner, 6));
            }
        }
    }
}

}  // namespace
}  // namespace tirnel::render
