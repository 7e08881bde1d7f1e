#include "platform/Colors.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(ColorsTest, TranslatesSystemColorsAndPassesPlainOnes) {
    struct Case {
        Color value;
        Color expected;
    };
    const Case cases[] = {
        {0x00123456, 0x00123456},                   // plain colour unchanged
        {0x8000000F, RGB(240, 240, 240)},           // button face
        {0x80000010, RGB(160, 160, 160)},           // button shadow
        {0x80000011, RGB(109, 109, 109)},           // grey text
        {0x8000000C, RGB(171, 171, 171)},           // application workspace
        {0x80000000, RGB(200, 200, 200)},           // first entry
        {0x80000018, RGB(255, 255, 225)},           // last entry, tooltip back
        {0x80000019, kInvalidColor},                // index 25 does not exist
        {0x800000FF, kInvalidColor},
        // The index is the low byte; the two bytes above it do not count.
        {0x80000110, 0xA0A0A0},                     // entry 16, button shadow
        {0x80000105, 0xFFFFFF},                     // entry 5, window
        {0x8000FF0F, 0xF0F0F0},                     // entry 15, button face
        {0x80FFFF12, 0x000000},                     // entry 18, button text
        {0x80000119, kInvalidColor},                // entry 25 does not exist, whatever stands above it
        {0x8000FFFF, kInvalidColor},
        {0x01000005, kInvalidColor},                // other flag bytes are no colour
        {kInvalidColor, kInvalidColor},
    };
    for (const Case& c : cases) EXPECT_EQ(TranslateColor(c.value), c.expected) << std::hex << c.value;
}

TEST(ColorsTest, SystemTableHasEveryIndex) {
    EXPECT_EQ(GetSysColor(-1), kInvalidColor);
    EXPECT_EQ(GetSysColor(kSystemColorCount), kInvalidColor);
    EXPECT_EQ(GetSysColor(kColor3dLight), RGB(227, 227, 227));
    EXPECT_EQ(GetSysColor(kColor3dDarkShadow), RGB(105, 105, 105));
    EXPECT_EQ(GetSysColor(kColorButtonHighlight), RGB(255, 255, 255));
    for (int i = 0; i < kSystemColorCount; ++i) {
        EXPECT_NE(GetSysColor(i), kInvalidColor) << i;
        EXPECT_EQ(TranslateColor(SystemColor(i)), GetSysColor(i)) << i;
    }
}

TEST(ColorsTest, ConvertsToAndFromPixels) {
    EXPECT_EQ(ToQRgb(RGB(1, 2, 3)), qRgb(1, 2, 3));
    EXPECT_EQ(ToQRgb(SystemColor(kColorButtonFace)), qRgb(240, 240, 240));
    // What cannot be translated draws by its low bytes: -1 is white.
    EXPECT_EQ(ToQRgb(kInvalidColor), qRgb(255, 255, 255));
    EXPECT_EQ(ToQRgb(0x80000040), qRgb(255, 255, 255));
    EXPECT_EQ(FromQRgb(qRgba(10, 20, 30, 0)), RGB(10, 20, 30));
    for (const Color c : {0x000000u, 0x123456u, 0xFFFFFFu, 0xA0B0C0u}) EXPECT_EQ(FromQRgb(ToQRgb(c)), c);
}

}  // namespace
}  // namespace tirnel
