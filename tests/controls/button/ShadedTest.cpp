// The shaded looks (styles 6 and 10) pixel by pixel on 30-pixel-wide buttons with an empty
// caption and the back colour 0xC08040: the white fade and flat lower part, the darker
// pressed face with its lower shade cut off at the bottom, the frames, bottom lines and
// corner pixels; the dotted rectangle that follows the caption one paint later; and both
// looks at the smallest and a huge size.

#include "controls/button/ButtonColours.h"
#include "tools/render/ButtonScript.h"
#include "tools/render/PropertyArguments.h"

#include <gtest/gtest.h>

#include <QImage>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tirnel::render {
namespace {

constexpr int W = 30;
constexpr Color kBack = 0xC08040;
constexpr Color kWhite = 0xFFFFFF;

QRgb Rgb(Color bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
QRgb S(float amount) { return Rgb(ShiftColor(kBack, amount)); }

// Pixels (x1..x2, y1..y2) of one colour; later blocks over earlier ones.
struct Block {
    int x1, y1, x2, y2;
    QRgb colour;
};

struct LookCase {
    const char* name;
    int height;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    std::vector<Block> blocks;
};
void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

QImage Draw(QSize size, const std::vector<const char*>& settings, const std::vector<const char*>& steps,
            const std::vector<const char*>& ambient = {}) {
    ButtonSessionOptions options;
    options.size = size;
    for (const char* setting : settings) EXPECT_TRUE(AddSetting(options.bag, QString::fromUtf8(setting))) << setting;
    for (const char* setting : ambient) EXPECT_TRUE(AddButtonAmbient(options.ambient, QString::fromUtf8(setting)));
    ButtonSession session(options);
    QStringList texts;
    for (const char* step : steps) texts << QString::fromUtf8(step);
    EXPECT_TRUE(session.Run(texts));
    return session.Image();
}

std::string Pixel(int x, int y, QRgb actual, QRgb expected) {
    return "(" + std::to_string(x) + "," + std::to_string(y) + ") " + QString::number(actual, 16).toStdString() +
           " not " + QString::number(expected, 16).toStdString() + "; ";
}

std::string Differences(const QImage& image, const std::vector<Block>& blocks) {
    std::vector<std::optional<QRgb>> expected(static_cast<std::size_t>(image.width() * image.height()));
    for (const Block& b : blocks)
        for (int y = b.y1; y <= b.y2; ++y)
            for (int x = b.x1; x <= b.x2; ++x) expected[static_cast<std::size_t>(y * image.width() + x)] = b.colour;
    std::string out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto& e = expected[static_cast<std::size_t>(y * image.width() + x)];
            if (e && image.pixel(x, y) != *e && out.size() < 400) out += Pixel(x, y, image.pixel(x, y), *e);
        }
    return out;
}

// The outer frame without the corners the round shape cuts off.
std::vector<Block> Frame(int H, QRgb colour) {
    return {{2, 0, W - 3, 0, colour}, {2, H - 1, W - 3, H - 1, colour}, {0, 2, 0, H - 3, colour},
            {W - 1, 2, W - 1, H - 3, colour}};
}
std::vector<Block> Corners(int H, QRgb colour) {
    return {{1, 1, 1, 1, colour}, {W - 2, 1, W - 2, 1, colour}, {1, H - 2, 1, H - 2, colour},
            {W - 2, H - 2, W - 2, H - 2, colour}};
}
std::vector<Block> operator+(std::vector<Block> a, const std::vector<Block>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
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
           Frame(H, frame) + std::vector<Block>{{2, H - 1, W - 3, H - 1, bottom}} + Corners(H, S(0.05f));
}

const std::vector<Block> kRaised23 =
    ShadedFace(23, Rgb(0xF4E8DD), Rgb(0xC68C52), Rgb(kBack), Rgb(kBack), Rgb(kBack), S(-0.2f), S(-0.25f));
// Pressed, the lower shade runs from row 12 over H rows: row 23 shows entry 11 of 24.
const std::vector<Block> kPressed25 =
    ShadedFace(25, Rgb(0xEFE4D8), Rgb(0xAF743A), S(-0.1f), S(-0.1f), Rgb(0xAB6B2B), S(-0.23f), S(-0.4f));

// Shaded round, 23 high: frame, the top band whose row 1 is entry 1 of 4 and row 4 its base
// tone, row 5 the fill, the lower shade from row 6 whose row 21 is entry 15 of 21, and the
// very dark corner pixels.
std::vector<Block> RoundFace(QRgb fill, QRgb bandRow1, QRgb bandBase, QRgb shadeTop, QRgb shadeRow21, QRgb frame) {
    constexpr int H = 23;
    return std::vector<Block>{{1, 1, W - 2, 1, bandRow1},  {1, 4, W - 2, 4, bandBase},   {1, 5, W - 2, 5, fill},
                              {1, 6, W - 2, 6, shadeTop},  {1, 21, W - 2, 21, shadeRow21}, {0, 1, 0, H - 2, frame},
                              {W - 1, 1, W - 1, H - 2, frame}} +
           Frame(H, frame) + Corners(H, S(-0.5f));
}

const std::vector<const char*> kShaded = {"ButtonStyle=6", "Caption=", "BackColor=0xC08040"};
const std::vector<const char*> kRound = {"ButtonStyle=10", "Caption=", "BackColor=0xC08040"};
const std::vector<const char*> kHover = {"activate", "move:5,5"};
const std::vector<const char*> kDown = {"activate", "move:5,5", "press:5,5"};
std::vector<const char*> With(std::vector<const char*> a, const std::vector<const char*>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<LookCase>& LookCases() {
    static const std::vector<LookCase> cases = {
        {"ShadedAtRest", 23, kShaded, {}, kRaised23},
        {"ShadedHovered", 23, kShaded, kHover, kRaised23},
        {"ShadedPressed", 25, kShaded, kDown, kPressed25},
        {"ShadedCheckedIsPressed", 25, With(kShaded, {"CheckBoxMode=True", "Value=True"}), {}, kPressed25},
        {"ShadedDisabledCheckedLooksAtRest", 23, With(kShaded, {"CheckBoxMode=True", "Value=True", "Enabled=False"}),
         {}, kRaised23},
        {"RoundAtRest", 23, kRound, {},
         RoundFace(Rgb(kBack), Rgb(0xECC49C), Rgb(kBack), S(-0.05f), Rgb(0xDBB289), S(-0.33f))},
        {"RoundHovered", 23, kRound, kHover,
         RoundFace(S(0.05f), Rgb(0xF3D5AD), S(0.05f), Rgb(kBack), Rgb(0xE3BA91), S(-0.28f))},
        {"RoundPressed", 23, kRound, kDown,
         RoundFace(S(-0.03f), Rgb(0xECC49C), Rgb(kBack), S(-0.08f), Rgb(0xD6AD84), S(-0.36f))},
    };
    return cases;
}

class ShadedLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(ShadedLook, HasItsPixels) {
    const LookCase& c = GetParam();
    EXPECT_EQ(Differences(Draw(QSize(W, c.height), c.settings, c.steps), c.blocks), "");
}

INSTANTIATE_TEST_SUITE_P(Shaded, ShadedLook, ::testing::ValuesIn(LookCases()),
                         [](const ::testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

// With its cue the button looks as it does without, but for the pixels with x + y even on the
// frame of the rectangle, inverted; no rectangle means no difference at all.
QImage Dotted(QImage image, const std::optional<QRect>& rect) {
    if (!rect) return image;
    const int l = rect->left(), t = rect->top(), r = rect->right() + 1, b = rect->bottom() + 1;
    auto invert = [&](int x, int y) {
        if ((x + y) % 2 != 0 || !image.rect().contains(x, y)) return;
        const QRgb p = image.pixel(x, y);
        image.setPixel(x, y, qRgba(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p), qAlpha(p)));
    };
    for (int x = l; x < r; ++x) {
        invert(x, t);
        if (b - 1 != t) invert(x, b - 1);
    }
    for (int y = t + 1; y < b - 1; ++y) {
        invert(l, y);
        invert(r - 1, y);
    }
    return image;
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
            ButtonSessionOptions options;
            options.size = QSize(60, 23);
            for (const char* setting : wide) AddSetting(options.bag, QString::fromUtf8(setting));
            ButtonSession session(options);
            const Rect r = session.Button().CaptionFocusRect();
            rect = QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
            ASSERT_GT(rect->width(), 30);
        }
        const QImage plain = Draw(QSize(60, 23), wide, With(c.steps, last));
        const QImage cued =
            Draw(QSize(60, 23), With(wide, {"ShowFocusRect=True"}), With(c.steps, last), c.ambient);
        const QImage expected = Dotted(plain, rect);
        ASSERT_EQ(cued.size(), expected.size());
        std::vector<Block> every;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) every.push_back({x, y, x, y, expected.pixel(x, y)});
        EXPECT_EQ(Differences(cued, every), "");
    }
}

// Both looks, and the pale blue and sky glass looks, in every state at the smallest and a huge
// size: the paint finishes and the corner pixels it ends with are those of a middle-sized
// button in the same state.
TEST(ShadedExtremes, EveryStateDrawsAtAnySize) {
    const std::vector<std::vector<const char*>> states = {
        {}, kHover, kDown, {"focus"}, {"CheckBoxMode=True", "Value=True"}, {"Enabled=False"}};
    for (const char* style : {"ButtonStyle=4", "ButtonStyle=6", "ButtonStyle=8", "ButtonStyle=10"})
        for (const std::vector<const char*>& state : states) {
            SCOPED_TRACE(std::string(style) + " " + std::to_string(&state - states.data()));
            const bool isStep = !state.empty() && std::string(state[0]).find('=') == std::string::npos;
            const std::vector<const char*> settings =
                isStep ? std::vector<const char*>{style, "Caption=", "ShowFocusRect=True"}
                       : With({style, "Caption=", "ShowFocusRect=True"}, state);
            const std::vector<const char*> steps = isStep ? state : std::vector<const char*>{};
            const QImage middle = Draw(QSize(40, 21), settings, steps);
            for (QSize size : {QSize(15, 15), QSize(2000, 2000)}) {
                const QImage image = Draw(size, settings, steps);
                ASSERT_EQ(image.size(), size);
                const int w = size.width(), h = size.height();
                EXPECT_EQ(image.pixel(1, 1), middle.pixel(1, 1));
                EXPECT_EQ(image.pixel(w - 2, h - 2), middle.pixel(38, 19));
            }
        }
}

}  // namespace
}  // namespace tirnel::render
