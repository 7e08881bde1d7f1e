#include "controls/progress/ColorShades.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

struct LightenCase {
    Color color;
    std::int32_t amount;
    Color expected;
};

TEST(LightenColorTest, AddsToEachChannelAndSaturates) {
    const LightenCase cases[] = {
        {RGB(0, 128, 255), 180, RGB(180, 255, 255)},
        {RGB(10, 20, 30), 50, RGB(60, 70, 80)},
        {RGB(0, 0, 255), 80, RGB(80, 80, 255)},
        // A negative amount is taken by absolute value per channel: |10 - 50| = 40.
        {RGB(10, 100, 50), -50, RGB(40, 50, 0)},
        // Button face 0x8000000F read as a signed number: red is the signed remainder -241, so
        // |-241 + 180| = 61; green (-2^31 / 256) mod 256 = 0; blue 0.
        {0x8000000Fu, 180, RGB(61, 180, 180)},
    };
    for (const LightenCase& c : cases)
        EXPECT_EQ(LightenColor(c.color, c.amount), c.expected) << std::hex << c.color << " + " << std::dec << c.amount;
}

struct GreyCase {
    Color color;
    int level;
};

TEST(GreyOfTest, RoundsTheChannelQuotientsToNearestEven) {
    const GreyCase cases[] = {
        // b = nearest(100.78125) = 101, d = nearest(50.39...) = 50: (200 + 101 + 50) / 3 = 117.
        {RGB(200, 100, 50), 117},
        // b = nearest(255 / 256) = 1: 256 / 3 rounds to 85.
        {RGB(255, 0, 0), 85},
        // b = nearest(2.5) = 2, not 3: 130 / 3 gives 43 (44 if the tie went up).
        {RGB(128, 2, 0), 43},
        // d = nearest(2.5) = 2, not 3: (0 + 128 + 2) / 3 gives 43.
        {RGB(0, 128, 2), 43},
        {RGB(255, 255, 255), 255},
        {RGB(0, 0, 0), 0},
    };
    for (const GreyCase& c : cases) EXPECT_EQ(GreyOf(c.color), RGB(c.level, c.level, c.level)) << std::hex << c.color;
}

}  // namespace
}  // namespace tirnel
