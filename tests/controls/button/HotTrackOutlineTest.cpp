// The hot-track and outline looks, pixel by pixel on 30 x 25 buttons painted through the
// script runner: the rest shade and the flat hover, pressed and checked faces of hot track;
// the outline's face, drop shadow, pressed offset and inverting focus rectangle.

#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;

const QSize kSize(30, 25);
constexpr Color kBack = 0x406080;
constexpr Color kContainer = 0x123456;
// The back colour with every channel inverted, as the focus rectangle's dots leave it.
constexpr Color kInverted = 0xBF9F7F;

struct LookCase {
    const char* name;
    const char* style;
    const char* state;
    std::vector<const char*> settings;
    std::vector<Pixels> pixels;
    std::vector<const char*> ambient = {};
    std::vector<const char*> steps = {};
};

std::vector<Pixels> Frame(Color frame, Color face) {
    return {{0, 0, -1, 0, frame}, {0, -1, -1, -1, frame}, {0, 0, 0, -1, frame}, {-1, 0, -1, -1, frame},
            {1, 1, -2, -2, face}};
}

// Rest shade from the mix of white and the back colour lightened by 0.26 (0xC0D0E0 for this
// back colour) down to the back colour, borderless: row 12 is halfway (entry 12 of 24).
const std::vector<Pixels> kRestShade = {
    {0, 0, -1, 0, 0xC0D0E0}, {0, 12, -1, 12, 0x8098B0}, {0, -1, -1, -1, kBack}};

// The raised outline: face frame lightened by 0.3 (0x8DADCD), three shadow lines right and
// below, the container in the last column and row and beside the shadow's ends.
const std::vector<Pixels> kRaised = {
    {0, 0, -5, 0, 0x8DADCD}, {0, -5, -5, -5, 0x8DADCD}, {0, 0, 0, -5, 0x8DADCD}, {-5, 0, -5, -5, 0x8DADCD},
    {1, 1, -6, -6, kBack},
    {-4, 6, -4, -4, 0x808080}, {6, -4, -4, -4, 0x808080}, {-3, 5, -3, -3, 0xA0A0A0}, {5, -3, -3, -3, 0xA0A0A0},
    {-2, 4, -2, -2, 0xC0C0C0}, {4, -2, -2, -2, 0xC0C0C0},
    {-1, 0, -1, -1, kContainer}, {0, -1, -1, -1, kContainer}, {-4, 0, -2, 3, kContainer}, {0, -4, 3, -2, kContainer},
};

// Pressed: the face 3 pixels right and down, the container in the strip it left.
const std::vector<Pixels> kPressed = {
    {0, 0, -1, 2, kContainer}, {0, 0, 2, -1, kContainer},
    {3, 3, -1, 3, 0x8DADCD}, {3, -1, -1, -1, 0x8DADCD}, {3, 3, 3, -1, 0x8DADCD}, {-1, 3, -1, -1, 0x8DADCD},
    {4, 4, -2, -2, kBack},
};

// The dots of the raised face's focus rectangle (3, 3, W-6, H-6): touched where x + y is even.
const std::vector<Pixels> kRaisedFocus = {
    {3, 3, 3, 3, kInverted}, {4, 3, 4, 3, kBack}, {-7, 3, -7, 3, kInverted}, {4, -7, 4, -7, kInverted},
    {3, -7, 3, -7, kBack}, {-7, 4, -7, 4, kBack}};

const std::vector<LookCase>& Cases() {
    static const std::vector<LookCase> cases = {
        {"HotTrackRestShade", "9", "normal", {}, kRestShade},
        {"HotTrackDisabledRestShade", "9", "normal", {"Enabled=False"}, kRestShade},
        {"HotTrackHover", "9", "hover", {}, Frame(0xC56A31, 0xEED2C1)},
        {"HotTrackDown", "9", "down", {}, Frame(0x6F4B4B, 0xE2B598)},
        // Checked: light grey in the slate frame lightened by 0.05; hovered, the pressed face in
        // the hover frame; held, the checked look again.
        {"HotTrackChecked", "9", "normal", {"CheckBoxMode=True", "Value=True"}, Frame(0x7C5858, 0xE8E6E1)},
        {"HotTrackCheckedHover", "9", "hover", {"CheckBoxMode=True", "Value=True"}, Frame(0xC56A31, 0xE2B598)},
        {"HotTrackCheckedHeld", "9", "down", {"CheckBoxMode=True", "Value=True"}, Frame(0x7C5858, 0xE8E6E1)},
        {"HotTrackFocusDrawsNoCue", "9", "focus", {"ShowFocusRect=True"}, kRestShade},
        {"OutlineRest", "5", "normal", {}, kRaised},
        {"OutlineHoverLooksLikeRest", "5", "hover", {}, kRaised},
        {"OutlineDown", "5", "down", {}, kPressed},
        // Disabled: the face lightened by 0.1 (0x5A7A9A), its frame that lightened by 0.3.
        {"OutlineDisabled", "5", "normal", {"Enabled=False"},
         {{0, 0, -5, 0, 0xA7C7E7}, {1, 1, -6, -6, 0x5A7A9A}, {-4, 6, -4, -4, 0x808080}}},
        {"OutlineFocus", "5", "focus", {"ShowFocusRect=True"}, With(kRaisedFocus, {{0, 0, -5, 0, 0x8DADCD}})},
        {"OutlineFocusWithoutShowFocusRect", "5", "focus", {}, With(kRaised, {{3, 3, 3, 3, kBack}})},
        {"OutlineDefaultButton", "5", "normal", {"ShowFocusRect=True"}, kRaisedFocus, {"DisplayAsDefault=True"}},
        // Pressed with the focus: the rectangle (6, 6, W-3, H-3) on the moved face.
        {"OutlineFocusDown", "5", "focus", {"ShowFocusRect=True"},
         {{6, 6, 6, 6, kInverted}, {7, 6, 7, 6, kBack}, {-4, 8, -4, 8, kInverted}, {-4, 7, -4, 7, kBack},
          {6, -4, 6, -4, kBack}, {7, -4, 7, -4, kInverted}},
         {}, {"move:15,12.5", "press:15,12.5"}},
    };
    return cases;
}

void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

ButtonSessionOptions Options(QSize size, const char* style, const std::vector<const char*>& settings,
                             const std::vector<const char*>& ambient) {
    const std::string button = std::string("ButtonStyle=") + style;
    ButtonSessionOptions options =
        LookOptions(size, With({button.c_str(), "Caption=", "BackColor=0x406080"}, settings), ambient);
    options.ambient.BackColor = kContainer;
    return options;
}

class HotTrackOutlineTest : public ::testing::TestWithParam<LookCase> {};

TEST_P(HotTrackOutlineTest, PaintsItsPixels) {
    const LookCase& c = GetParam();
    ButtonSession session(Options(kSize, c.style, c.settings, c.ambient));
    ASSERT_TRUE(session.Run(StateScript(c.state, kSize, c.steps)));
    const QImage& image = session.Button().DrawingSurface().Image();
    ASSERT_EQ(image.size(), kSize);
    ASSERT_EQ(FirstWrongPixel(image, c.pixels), "");
}

INSTANTIATE_TEST_SUITE_P(Looks, HotTrackOutlineTest, ::testing::ValuesIn(Cases()), CaseName());

// The outline's focus rectangle leaves the surface in the invert draw mode; the next look's
// lines and frames still paint their own colours.
TEST(OutlineDrawMode, StaysStateOnly) {
    ButtonSession session(Options(kSize, "5", {"ShowFocusRect=True"}, {}));
    ASSERT_TRUE(session.Run(StateScript("focus", kSize)));
    Surface& surface = session.Button().DrawingSurface();
    EXPECT_EQ(surface.GetROP2(), kDrawModeInvert);
    ASSERT_TRUE(session.Run(QStringList{QStringLiteral("let:ButtonStyle=9"), QStringLiteral("move:15,12.5")}));
    EXPECT_EQ(surface.GetROP2(), kDrawModeInvert);
    for (int x = 0; x < kSize.width(); ++x) ASSERT_EQ(FromQRgb(surface.Image().pixel(x, 0)), 0xC56A31u) << x;
    for (int x = 1; x < kSize.width() - 1; ++x) ASSERT_EQ(FromQRgb(surface.Image().pixel(x, 5)), 0xEED2C1u) << x;
}

}  // namespace
}  // namespace tirnel::render
