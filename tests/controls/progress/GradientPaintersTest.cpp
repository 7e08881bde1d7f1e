#include "controls/progress/ColorRamp.h"
#include "controls/progress/GradientPainters.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tirnel {
namespace {

constexpr Color kPaper = RGB(1, 2, 3);

Surface Paper(int width, int height) {
    Surface surface(width, height);
    surface.SetBackColor(kPaper);
    surface.Clear();
    return surface;
}

// Every pixel outside `rect` still shows the paper.
void ExpectUntouchedOutside(const Surface& surface, const Rect& rect) {
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (!rect.Contains(x, y)) {
                EXPECT_EQ(surface.GetPixel(x, y), kPaper) << x << "," << y;
            }
}

TEST(ColorRampTest, StepsInSinglePrecisionAndRoundsTiesToEven) {
    std::vector<ColorTriple> ramp;
    BuildColorRamp(ramp, 4, TripleOf(RGB(0, 0, 0)), TripleOf(RGB(255, 0, 0)));
    ASSERT_EQ(ramp.size(), 5u);
    // 63.75 x i: 0, 63.75, 127.5, 191.25, 255.
    const int reds[] = {0, 64, 128, 191, 255};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ramp[static_cast<std::size_t>(i)].Red, reds[i]) << i;

    // Step 2.5: entry 1 is 2.5 and goes to 2, entry 3 is 7.5 and goes to 8.
    BuildColorRamp(ramp, 4, TripleOf(RGB(0, 0, 0)), TripleOf(RGB(0, 10, 0)));
    const int greens[] = {0, 2, 5, 8, 10};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ramp[static_cast<std::size_t>(i)].Green, greens[i]) << i;

    // Falling ramps step down: 200 to 100 in blue over 3 steps.
    BuildColorRamp(ramp, 3, TripleOf(RGB(0, 0, 200)), TripleOf(RGB(0, 0, 100)));
    const int blues[] = {200, 167, 133, 100};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ramp[static_cast<std::size_t>(i)].Blue, blues[i]) << i;

    BuildColorRamp(ramp, 0, TripleOf(RGB(9, 8, 7)), TripleOf(RGB(200, 200, 200)));
    ASSERT_EQ(ramp.size(), 1u);
    EXPECT_EQ(ramp[0], TripleOf(RGB(9, 8, 7)));
}

TEST(GradientTwoColourTest, TakesWidthAndHeightAsTheRightAndBottomEdges) {
    Surface surface = Paper(12, 6);
    // Vertical: rows 1..4 of columns 2..7, black to red over four rows.
    GradientTwoColour(surface, 1, RGB(0, 0, 0), RGB(255, 0, 0), 2, 1, 8, 5);
    const int reds[] = {0, 63, 127, 191};
    for (int row = 0; row < 4; ++row)
        for (int x = 2; x < 8; ++x) EXPECT_EQ(surface.GetPixel(x, 1 + row), RGB(reds[row], 0, 0)) << x << "," << row;
    ExpectUntouchedOutside(surface, {2, 1, 8, 5});

    // Horizontal: the colour runs along the columns.
    surface = Paper(12, 6);
    GradientTwoColour(surface, 0, RGB(0, 0, 0), RGB(0, 255, 0), 0, 0, 4, 2);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.GetPixel(x, 1), RGB(0, reds[x], 0)) << x;
    ExpectUntouchedOutside(surface, {0, 0, 4, 2});
}

TEST(GradientTwoColourTest, FullChannelsReachTheFillUnchanged) {
    // 255 goes out as 0xFF00, -256 in the signed 16-bit field.
    EXPECT_EQ(ToColor16(255 * 256), -256);
    EXPECT_EQ(ToColor16(32767), 32767);
    EXPECT_EQ(ToColor16(32768), -32768);
    Surface surface = Paper(3, 3);
    GradientTwoColour(surface, 1, RGB(255, 255, 255), RGB(255, 255, 255), 0, 0, 3, 3);
    EXPECT_EQ(surface.GetPixel(1, 2), RGB(255, 255, 255));
}

TEST(GradientTwoColourTest, OtherDirectionsAndEmptyRectanglesDrawNothing) {
    Surface surface = Paper(6, 6);
    GradientTwoColour(surface, 2, 0, 0, 0, 0, 6, 6);
    GradientTwoColour(surface, -1, 0, 0, 0, 0, 6, 6);
    GradientTwoColour(surface, 1, 0, 0, 0, 3, 6, 3);
    GradientTwoColour(surface, 0, 0, 0, 2, 0, 2, 6);
    ExpectUntouchedOutside(surface, {});
}

TEST(DrawGradientFourColourTest, BlendsTheCornersAndStopsAStepShort) {
    Surface surface = Paper(6, 6);
    // Red grows to the right, green downwards; blue is the same everywhere.
    EXPECT_EQ(DrawGradientFourColour(surface, 1, 1, 4, 4, RGB(0, 0, 40), RGB(255, 0, 40), RGB(0, 255, 40),
                                     RGB(255, 255, 40)),
              GradientStatus::Done);
    const int steps[] = {0, 64, 128, 191};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(surface.GetPixel(1 + x, 1 + y), RGB(steps[x], steps[y], 40)) << x << "," << y;
    ExpectUntouchedOutside(surface, {1, 1, 5, 5});
}

TEST(DrawGradientFourColourTest, EqualCornersFillUniformlyAndOneColumnShowsTheLeftSide) {
    Surface surface = Paper(5, 4);
    const Color teal = RGB(10, 200, 190);
    DrawGradientFourColour(surface, 0, 0, 5, 4, teal, teal, teal, teal);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(surface.GetPixel(x, y), teal);

    surface = Paper(5, 4);
    DrawGradientFourColour(surface, 2, 0, 1, 4, RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 200), RGB(9, 9, 9));
    const int blues[] = {0, 50, 100, 150};
    for (int y = 0; y < 4; ++y) EXPECT_EQ(surface.GetPixel(2, y), RGB(0, 0, blues[y])) << y;
    ExpectUntouchedOutside(surface, {2, 0, 3, 4});
}

TEST(DrawGradientFourColourTest, PartlyOffTheSurfaceMatchesTheWholeRectangle) {
    Surface whole = Paper(9, 9);
    DrawGradientFourColour(whole, 0, 0, 9, 9, RGB(10, 0, 0), RGB(250, 30, 0), RGB(0, 200, 90), RGB(90, 90, 255));
    Surface shifted = Paper(6, 6);
    DrawGradientFourColour(shifted, -3, -3, 9, 9, RGB(10, 0, 0), RGB(250, 30, 0), RGB(0, 200, 90),
                           RGB(90, 90, 255));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(shifted.GetPixel(x, y), whole.GetPixel(x + 3, y + 3)) << x << "," << y;
}

TEST(DrawGradientFourColourTest, BadSizesReportTheirErrorAndDrawNothing) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    struct Case {
        std::int32_t top, width, height;
        GradientStatus status;
    };
    const Case cases[] = {
        {0, 4, 0, GradientStatus::Done},
        {0, 0, 4, GradientStatus::InvalidArraySize},
        {0, -2, 4, GradientStatus::InvalidArraySize},
        {0, 4, -1, GradientStatus::InvalidArraySize},
        // Width x 3 bytes beyond 32 bits: refused before anything is allocated.
        {0, 800'000'000, 4, GradientStatus::Overflow},
        // Rows beyond 32 bits: the rows before them (far below the surface) are drawn.
        {kMax - 2, 4, 5, GradientStatus::Overflow},
    };
    for (const Case& c : cases) {
        Surface surface = Paper(4, 4);
        EXPECT_EQ(DrawGradientFourColour(surface, 0, c.top, c.width, c.height, 0, 0, 0, 0), c.status)
            << c.top << " " << c.width << "x" << c.height;
        ExpectUntouchedOutside(surface, {});
    }
}

}  // namespace
}  // namespace tirnel
