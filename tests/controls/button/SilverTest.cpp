// The silver look, pixel by pixel on small buttons painted through the script runner: flat at
// rest, two silver bands split at the rounded half height under the pointer, the pressed
// bevel, the checked face, and the caption colour the look forces on the button.

#include "controls/button/ButtonEnums.h"
#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace tirnel::render {
namespace {

using namespace test;

constexpr Color kBack = 0x406080;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

struct SilverCase {
    const char* name;
    int height;
    const char* state;
    std::vector<const char*> settings;
    std::vector<Pixels> pixels;
    Color caption;
};

constexpr int kWidth = 30;

const std::vector<Pixels> kPressed = {
    {0, 0, -1, 0, 0x929D9D}, {0, -1, -1, -1, 0x929D9D}, {0, 0, 0, -1, 0x929D9D}, {-1, 0, -1, -1, 0x929D9D},
    {1, 1, 1, 1, 0x788182}, {1, -2, 1, -2, 0x788182}, {-2, 1, -2, 1, 0x788182}, {-2, -2, -2, -2, 0x788182},
    {2, 1, -3, 1, 0xCCD5D7}, {1, 2, -3, 2, 0xD5DCDE}, {1, -3, -3, -3, 0xE3EAEB}, {2, -2, -3, -2, 0xEAEFF0},
    // The bevel rows stop one pixel short of the right corner pixels' column.
    {-2, 2, -2, 2, 0xDDE4E5}, {-2, -3, -2, -3, 0xDDE4E5}, {1, 3, -2, -4, 0xDDE4E5},
};

const std::vector<Pixels> kCheckedFrame = {
    {0, 0, -1, 0, 0xAF987A}, {0, -1, -1, -1, 0xAF987A}, {0, 0, 0, -1, 0xAF987A}, {-1, 0, -1, -1, 0xAF987A},
    {1, 1, 1, 1, 0x8E806D}, {1, -2, 1, -2, 0x8E806D}, {-2, 1, -2, 1, 0x8E806D}, {-2, -2, -2, -2, 0x8E806D},
};

// The hover frame, corners, right shadow columns and bottom rows; the band rows differ with
// the height.
std::vector<Pixels> Hover(std::vector<Pixels> bands) {
    return With(std::move(bands), {
        {0, 0, -1, 0, 0xC3CECE}, {0, -1, -1, -1, 0xC3CECE}, {0, 0, 0, -1, 0xC3CECE}, {-1, 0, -1, -1, 0xC3CECE},
        {1, 1, 1, 1, 0xBCC7C7}, {1, -2, 1, -2, 0xBCC7C7}, {-2, 1, -2, 1, 0xBCC7C7}, {-2, -2, -2, -2, 0xBCC7C7},
        // Row 1 is the first band's second entry, up to the column before the corner.
        {2, 1, -3, 1, 0xFCFEFE},
        {-3, 2, -3, -5, 0xEAF0F0}, {-2, 2, -2, -5, 0xE0E7EA},
        {1, -4, -2, -4, 0xE5EDEE}, {1, -3, -2, -3, 0xD6E1E4}, {2, -2, -3, -2, 0xC6D2D7},
    });
}

const std::vector<SilverCase>& Cases() {
    static const std::vector<SilverCase> cases = {
        {"RestIsFlatWithoutFrame", 25, "normal", {}, {{0, 0, -1, -1, kBack}}, kBlack},
        // H = 25: H/2 = 12, bands at rows 0..11 and 12..23 (n = 11 each).
        {"HoverOddHeightRoundsDown", 25, "hover", {},
         Hover({{1, 10, -4, 10, 0xF0F5F5}, {1, 11, -4, 12, 0xEEF4F4}, {1, 20, -4, 20, 0xECF2F2}}), kBlack},
        // H = 27: H/2 = 14 (13.5 to even), bands at rows 0..13 and 14..27, the last row clipped.
        {"HoverOddHeightRoundsUp", 27, "hover", {},
         Hover({{1, 12, -4, 12, 0xF0F5F5}, {1, 13, -4, 14, 0xEEF4F4}, {1, 22, -4, 22, 0xECF3F3}}), kBlack},
        {"PressedBevelAndWhiteCaption", 25, "down", {}, kPressed, kWhite},
        {"CheckedFace", 25, "normal", {"CheckBoxMode=True", "Value=True"},
         With(kCheckedFrame, {{2, 1, -3, -2, 0xFEFEFE}, {1, 2, -2, -3, 0xFEFEFE}}), kBlack},
        {"CheckedHoverAddsShadowLines", 25, "hover", {"CheckBoxMode=True", "Value=True"},
         With(kCheckedFrame, {{-2, 2, -2, -5, 0xEDF0F2}, {2, -2, -3, -2, 0xD8DEE4}, {1, -3, -2, -3, 0xE8ECEF},
                                {1, -4, -2, -4, 0xF8F9FA}, {1, 2, -3, -5, 0xFEFEFE}}),
         kBlack},
        // Held on a checked button the pressed look returns, caption white.
        {"CheckedWhileHeldIsPressed", 25, "down", {"CheckBoxMode=True", "Value=True"}, kPressed, kWhite},
    };
    return cases;
}

void PrintTo(const SilverCase& c, std::ostream* os) { *os << c.name; }

class SilverLookTest : public ::testing::TestWithParam<SilverCase> {};

TEST_P(SilverLookTest, PaintsItsPixelsAndForcesTheCaptionColor) {
    const SilverCase& c = GetParam();
    const QSize size(kWidth, c.height);
    ButtonSessionOptions options;
    options.size = size;
    options.ambient.BackColor = 0x123456;
    for (const char* setting : {"ButtonStyle=3", "Caption=", "BackColor=0x406080", "ForeColor=0x0000FF"})
        ASSERT_TRUE(AddSetting(options.bag, QString::fromUtf8(setting)));
    for (const char* setting : c.settings) ASSERT_TRUE(AddSetting(options.bag, QString::fromUtf8(setting)));
    ButtonSession session(options);
    ASSERT_TRUE(session.Run(StateScript(c.state, size)));

    const QImage& image = session.Button().DrawingSurface().Image();
    ASSERT_EQ(image.size(), size);
    ASSERT_EQ(FirstWrongPixel(image, c.pixels), "");
    EXPECT_EQ(session.Button().ForeColor(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Looks, SilverLookTest, ::testing::ValuesIn(Cases()), CaseName());

}  // namespace
}  // namespace tirnel::render
