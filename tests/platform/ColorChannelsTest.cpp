#include "platform/ColorChannels.h"

#include <gtest/gtest.h>

#include <limits>

namespace tirnel {
namespace {

// Each case is put together with RGB and taken apart again: the channels come back clamped to
// 0..255, from the byte each one owns.
TEST(ColorChannelsTest, RgbPacksRedLowClampsAndSplitsBack) {
    struct Case {
        int r, g, b;
        Color expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0x000000},       {255, 0, 0, 0x0000FF},    {0, 255, 0, 0x00FF00},
        {0, 0, 255, 0xFF0000},     {1, 2, 3, 0x030201},      {256, 300, 1000, 0xFFFFFF},
        {-5, 128, 255, 0xFF8000},
    };
    for (const Case& c : cases) {
        const Color packed = RGB(c.r, c.g, c.b);
        EXPECT_EQ(packed, c.expected) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(GetRed(packed), ClampChannel(c.r));
        EXPECT_EQ(GetGreen(packed), ClampChannel(c.g));
        EXPECT_EQ(GetBlue(packed), ClampChannel(c.b));
        const ColorTriple triple = TripleOf(packed);
        EXPECT_EQ(triple, (ColorTriple{static_cast<std::uint8_t>(GetBlue(packed)),
                                       static_cast<std::uint8_t>(GetGreen(packed)),
                                       static_cast<std::uint8_t>(GetRed(packed))}));
    }
}

TEST(ColorChannelsTest, ChannelsReadTheLowThreeBytesUntranslated) {
    struct Case {
        Color value;
        int red, green, blue;
    };
    const Case cases[] = {
        {0x8000000F, 0x0F, 0, 0},           // a system colour is not looked up
        {0xFF123456, 0x56, 0x34, 0x12},     // the high byte is ignored
        {0xFFFFFFFF, 255, 255, 255},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetRed(c.value), c.red) << std::hex << c.value;
        EXPECT_EQ(GetGreen(c.value), c.green) << std::hex << c.value;
        EXPECT_EQ(GetBlue(c.value), c.blue) << std::hex << c.value;
    }
    EXPECT_EQ(ClampChannel(std::numeric_limits<std::int64_t>::max()), 255);
    EXPECT_EQ(ClampChannel(std::numeric_limits<std::int64_t>::min()), 0);
}

}  // namespace
}  // namespace tirnel
