// The shaded looks (styles 6 and 10) pixel by pixel on 30-pixel-wide buttons with an empty
// caption and the back colour 0xC08040: the white fade and flat lower part, the darker
// pressed face with its lower shade cut off at the bottom, the frames, bottom lines and
// corner pixels; and the dotted rectangle that follows the caption one paint later.

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
constexpr Color kWhite = 0xFFFFFF;

struct LookCase {
    const char* name;
    int height;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    std::vector<Block> blocks;
};
void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

// The outer frame without the corners the round shape cuts off.
std::vector<Block> Frame(int H, QRgb color) {
    return {{2, 0, W - 3, 0, color}, {2, H - 1, W - 3, H - 1, color}, {0, 2, 0, H - 3, color},
            {W - 1, 2, W - 1, H - 3, color}};
}
std::vector<Block> Corners(int H, QRgb color) {
    return {{1, 1, 1, 1, color}, {W - 2, 1, W - 2, 1, color}, {1, H - 2, 1, H - 2, color},
            {W - 2, H - 2, W - 2, H - 2, color}};
}
// Shaded, 23 high (H/2 = nearest(11.5) = 12) and 25 high (nearest(12.5) = 12): the white fade
// over rows 0..11 whose row 10 is entry 10 of 11, white lines at x = 1, x = W-2 and y = 1, the
// frame, the bottom line from x = 2 to W-3, and the corner pixels in S(+0.05).
std::vector<Block> ShadedFace(int H, QRgb upperRow2, QRgb upperRow10, QRgb upperEnd, QRgb lowerTop, QRgb lowerBottom,
                              QRgb frame, QRgb bottom) {
    const QRgb white = Rgb(kWhite);
    return std::vector<Block>{{2, 2, W - 3, 2, upperRow2},
                              {2, 10, W - 3, 10, upperRow10},
                              {2, 11, W - 3, 11, upperEnd},
                              {2, 12, W - 3, 12, lowerTop},
                              {2, H - 2, W - 3, H - 2, lowerBottom},
                              {1, 1, W - 2, 1, white},
                              {1, 1, 1, H - 2, white},
                              {W - 2, 1, W - 2, H - 2, white},
                              {1, H - 1, W - 2, H - 1, frame}} +
           Frame(H, frame) + std::vector<Block>{{2, H - 1, W - 3, H - 1, bottom}} + Corners(H, Rgb(kUp05));
}

const std::vector<Block> kRaised23 =
    ShadedFace(23, Rgb(0xF4E8DD), Rgb(0xC68C52), Rgb(kBack), Rgb(kBack), Rgb(kBack), Rgb(kDown20), Rgb(kDown25));
// Pressed, the lower shade runs from row 12 over H rows: row 23 shows entry 11 of 24.
const std::vector<Block> kPressed25 =
    ShadedFace(25, Rgb(0xEFE4D8), Rgb(0xAF743A), Rgb(kDown10), Rgb(kDown10), Rgb(0xAB6B2B), Rgb(kDown23),
               Rgb(kDown40));

// Shaded round, 23 high: frame, the top band whose row 1 is entry 1 of 4 and row 4 its base
// tone, row 5 the fill, the lower shade from row 6 whose row 21 is entry 15 of 21, and the
// very dark corner pixels.
std::vector<Block> RoundFace(QRgb fill, QRgb bandRow1, QRgb bandBase, QRgb shadeTop, QRgb shadeRow21, QRgb frame) {
    constexpr int H = 23;
    return std::vector<Block>{{1, 1, W - 2, 1, bandRow1},  {1, 4, W - 2, 4, bandBase},   {1, 5, W - 2, 5, fill},
                              {1, 6, W - 2, 6, shadeTop},  {1, 21, W - 2, 21, shadeRow21}, {0, 1, 0, H - 2, frame},
                              {W - 1, 1, W - 1, H - 2, frame}} +
           Frame(H, frame) + Corners(H, Rgb(kDown50));
}

const std::vector<const char*> kShaded = {"ButtonStyle=6", "Caption=", "BackColor=0xC08040"};
const std::vector<const char*> kRound = {"ButtonStyle=10", "Caption=", "BackColor=0xC08040"};
const std::vector<const char*> kHover = {"activate", "move:5,5"};
const std::vector<const char*> kDown = {"activate", "move:5,5", "press:5,5"};
const std::vector<LookCase>& LookCases() {
    static const std::vector<LookCase> cases = {
        {"ShadedAtRest", 23, kShaded, {}, kRaised23},
        {"ShadedHovered", 23, kShaded, kHover, kRaised23},
        {"ShadedPressed", 25, kShaded, kDown, kPressed25},
        {"ShadedCheckedIsPressed", 25, With(kShaded, {"CheckBoxMode=True", "Value=True"}), {}, kPressed25},
        {"ShadedDisabledCheckedLooksAtRest", 23, With(kShaded, {"CheckBoxMode=True", "Value=True", "Enabled=False"}),
         {}, kRaised23},
        {"RoundAtRest", 23, kRound, {},
         RoundFace(Rgb(kBack), Rgb(0xECC49C), Rgb(kBack), Rgb(kDown05), Rgb(0xDBB289), Rgb(kDown33))},
        {"RoundHovered", 23, kRound, kHover,
         RoundFace(Rgb(kUp05), Rgb(0xF3D5AD), Rgb(kUp05), Rgb(kBack), Rgb(0xE3BA91), Rgb(kDown28))},
        {"RoundPressed", 23, kRound, kDown,
         RoundFace(Rgb(kDown03), Rgb(0xECC49C), Rgb(kBack), Rgb(kDown08), Rgb(0xD6AD84), Rgb(kDown36))},
    };
    return cases;
}

class ShadedLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(ShadedLook, HasItsPixels) {
    const LookCase& c = GetParam();
    EXPECT_EQ(Differences(DrawButton(QSize(W, c.height), c.settings, c.steps), c.blocks), "");
}

INSTANTIATE_TEST_SUITE_P(Shaded, ShadedLook, ::testing::ValuesIn(LookCases()), CaseName());

// With its cue the button looks as it does without, but for the pixels with x + y even on the
// frame of the rectangle, inverted; no rectangle means no difference at all.
QImage Dotted(const QImage& image, const std::optional<QRect>& rect) {
    if (!rect) return image;
    return test::Dotted(image, Edges{rect->left(), rect->top(), rect->right() + 1, rect->bottom() + 1});
}

struct CueCase {
    const char* name;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    std::vector<const char*> ambient;
    bool dotted;
};

// The caption is changed last, from a wide one to a narrow one: the dots go round the wide
// caption's text, laid out by the paint before, and the narrow text stays inside them.
TEST(ShadedFocus, FollowsTheCaptionOnePaintLater) {
    const std::vector<CueCase> cases = {
        {"Focused", kShaded, {"focus"}, {}, true},
        {"Default", kShaded, {}, {"DisplayAsDefault=True"}, true},
        {"FocusedPressed", kShaded, {"focus", "move:20,10", "press:20,10"}, {}, true},
        {"FocusedInInactiveWindow", kShaded, {"focus", "deactivate"}, {}, false},
        {"RoundFocusedDefault", kRound, {"focus"}, {"DisplayAsDefault=True"}, false},
    };
    for (const CueCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<const char*> wide = With(c.settings, {"Caption=WWWWWW"});
        const std::vector<const char*> last = {"let:Caption=i"};
        // The rectangle of the wide caption, as the paint before the last one left it.
        std::optional<QRect> rect;
        if (c.dotted) {
            ButtonSession session(LookOptions(QSize(60, 23), wide));
            const Rect r = session.Button().CaptionFocusRect();
            rect = QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
            ASSERT_GT(rect->width(), 30);
        }
        const QImage plain = DrawButton(QSize(60, 23), wide, With(c.steps, last));
        const QImage cued =
            DrawButton(QSize(60, 23), With(wide, {"ShowFocusRect=True"}), With(c.steps, last), c.ambient);
        const QImage expected = Dotted(plain, rect);
        ASSERT_EQ(cued.size(), expected.size());
        EXPECT_EQ(Differences(cued, expected), "");
    }
}

}  // namespace
}  // namespace tirnel::render
