// The button's drawing helpers, colour arithmetic, greyed picture bytes, window shape and
// minimum size.

#include "controls/button/ButtonColors.h"
#include "controls/button/ButtonDrawing.h"
#include "controls/button/ButtonEnums.h"
#include "controls/button/ButtonPictures.h"
#include "controls/button/bt.h"
#include "platform/ControlSite.h"
#include "platform/Form.h"
#include "platform/Region.h"

#include <gtest/gtest.h>

#include <vector>

namespace tirnel {
namespace {

std::vector<Color> Row(const Surface& surface, int y) {
    std::vector<Color> row;
    for (int x = 0; x < surface.Width(); ++x) row.push_back(surface.GetPixel(x, y));
    return row;
}

std::vector<Color> Column(const Surface& surface, int x) {
    std::vector<Color> column;
    for (int y = 0; y < surface.Height(); ++y) column.push_back(surface.GetPixel(x, y));
    return column;
}

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;

TEST(ButtonDrawingTest, GradientsRampFromTheFirstColorToTheSecond) {
    struct Case {
        const char* name;
        int surfaceWidth, surfaceHeight;
        int x, y, width, height, direction;
        bool byRow;  // the expected values are a row (else a column) of the surface
        int index;
        std::vector<Color> expected;
    };
    const Case cases[] = {
        {"horizontal: both ends reached", 4, 2, 0, 0, 4, 2, GradientHorizontal, true, 1, {0, 85, 170, 255}},
        {"vertical", 1, 3, 0, 0, 1, 3, GradientVertical, false, 0, {0, 127, 255}},
        {"one column: the sum of both halves", 3, 2, 1, 0, 1, 2, GradientHorizontal, true, 0, {kWhite, 127, kWhite}},
        {"diagonal down, top row", 2, 2, 0, 0, 2, 2, GradientDiagonalDown, true, 0, {0, 127}},
        {"diagonal down, bottom row", 2, 2, 0, 0, 2, 2, GradientDiagonalDown, true, 1, {127, 255}},
        {"diagonal up, top row", 2, 2, 0, 0, 2, 2, GradientDiagonalUp, true, 0, {127, 255}},
        {"diagonal up, bottom row", 2, 2, 0, 0, 2, 2, GradientDiagonalUp, true, 1, {0, 127}},
        {"unknown direction paints black", 3, 1, 1, 0, 2, 1, 9, true, 0, {kWhite, 0, 0}},
        {"no height paints nothing", 2, 1, 0, 0, 2, 0, GradientHorizontal, true, 0, {kWhite, kWhite}},
        {"no width paints nothing", 2, 1, 0, 0, 0, 1, GradientHorizontal, true, 0, {kWhite, kWhite}},
        {"starting left of the surface: the ramp runs on from there", 4, 1, -2, 0, 6, 1, GradientHorizontal, true, 0,
         {102, 153, 204, 255}},
        {"wider than 32-bit pixels could hold: only the visible part is built", 3, 1, 0, 0, 0x7FFFFFFF, 1,
         GradientHorizontal, true, 0, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Surface surface(c.surfaceWidth, c.surfaceHeight);
        surface.FillRect(Rect{0, 0, surface.Width(), surface.Height()}, kWhite);
        PaintGradient(surface, c.x, c.y, c.width, c.height, 0x000000, kRed, c.direction);
        EXPECT_EQ(c.byRow ? Row(surface, c.index) : Column(surface, c.index), c.expected);
    }
}

TEST(ButtonDrawingTest, LinesFramesAndColorArithmetic) {
    Surface surface(6, 4);
    surface.FillRect(Rect{0, 0, surface.Width(), surface.Height()}, kWhite);
    DrawLine(surface, 0, 0, 5, 0, kRed);
    EXPECT_EQ(Row(surface, 0), (std::vector<Color>{kRed, kRed, kRed, kRed, kRed, kWhite}));
    // A line leaves the pen as it found it.
    EXPECT_EQ(surface.PenColor(), Surface(1, 1).PenColor());
    FrameBox(surface, 1, 1, 4, 3, 0x00FF00);
    EXPECT_EQ(Row(surface, 1), (std::vector<Color>{kWhite, 0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, kWhite}));
    EXPECT_EQ(Row(surface, 2), (std::vector<Color>{kWhite, 0x00FF00, kWhite, kWhite, 0x00FF00, kWhite}));

    const struct {
        Color a, b, mix;
    } mixes[] = {{0xFFFFFF, 0x000000, 0x808080}, {0x000000, 0x030303, 0x020202}, {0x000000, 0x050505, 0x020202},
                 {0x102030, 0x102030, 0x102030}};
    for (const auto& m : mixes) EXPECT_EQ(MixColors(m.a, m.b), m.mix) << std::hex << m.a << " " << m.b;

    const struct {
        Color color;
        float amount;
        Color shifted;
    } shifts[] = {{0x743C00, 0.3f, 0xC1894D}, {0x322810, -0.2f, 0x000000}, {0x123456, 0.0f, 0x123456},
                  {0xD4D4D4, 0.06f, 0xE3E3E3}, {0xF0F0F0, 0.3f, 0xFFFFFF}, {0x808080, -0.5f, 0x000000}};
    for (const auto& s : shifts) EXPECT_EQ(ShiftColor(s.color, s.amount), s.shifted) << std::hex << s.color;
}

// Each pixel of each row turns grey, the row padding stays; the last pixel that turns
// starts 4 bytes before the end, so a picture whose rows need no padding keeps its very last
// pixel.
TEST(ButtonDrawingTest, DisabledPicturesGreyPixelByPixel) {
    using Bytes = std::vector<std::uint8_t>;
    const struct {
        const char* name;
        int width;
        Bytes in, out;
    } cases[] = {
        {"width 1, two rows: each row's pixel, not its padding", 1, {10, 20, 30, 7, 40, 50, 60, 7},
         {20, 20, 20, 7, 50, 50, 50, 7}},
        {"width 2, two rows", 2, {10, 20, 30, 40, 50, 60, 1, 2, 90, 0, 0, 3, 3, 3, 5, 6},
         {20, 20, 20, 50, 50, 50, 1, 2, 30, 30, 30, 3, 3, 3, 5, 6}},
        {"width 3", 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}, {2, 2, 2, 5, 5, 5, 8, 8, 8, 0, 0, 0}},
        {"width 5, two rows", 5,
         {0, 0, 30, 0, 60, 0, 90, 0, 0, 3, 3, 3, 255, 255, 0, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 9},
         {10, 10, 10, 20, 20, 20, 30, 30, 30, 3, 3, 3, 170, 170, 170, 9, 2, 2, 2, 5, 5, 5, 8, 8, 8, 11, 11, 11, 14, 14,
          14, 9}},
        {"width 4: no padding, the last pixel stays", 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30},
         {2, 2, 2, 5, 5, 5, 8, 8, 8, 10, 20, 30}},
        {"shorter than a pixel and its padding", 1, {9, 12, 9}, {9, 12, 9}},
    };
    for (const auto& c : cases) {
        Bytes bytes = c.in;
        GreyPixels(bytes, c.width);
        EXPECT_EQ(bytes, c.out) << c.name;
    }
}

TEST(ButtonDrawingTest, StylesShapeTheWindowAndTheButtonKeepsItsMinimumSize) {
    Form form;
    form.resize(200, 100);
    auto* button = new Hosted<bt>(&form);
    button->resize(100, 30);
    SiteControl(*button, QStringLiteral("bt1"));
    const QRegion rectangle = Region::CreateRectRgn(0, 0, 100, 30).ToQRegion();
    const auto rounded = [](int corner) { return Region::CreateRoundRectRgn(0, 0, 101, 31, corner, corner).ToQRegion(); };
    const struct {
        std::int32_t style;
        QRegion shape;
    } shapes[] = {
        {0, rectangle},   {1, rectangle},   {2, rounded(3)},  {3, rounded(4)},  {4, rounded(3)},  {5, rectangle},
        {6, rounded(3)},  {7, rectangle},   {8, rounded(3)},  {9, rectangle},   {10, rounded(4)}, {11, rectangle},
        {12, rectangle},  {13, rectangle},  {14, rounded(18)}, {15, rectangle}, {16, rectangle},  {-1, rectangle},
    };
    for (const auto& s : shapes) {
        button->ButtonStyle(s.style);
        EXPECT_EQ(button->mask(), s.shape) << "style " << s.style;
    }

    // A size change reshapes at the new size, whatever the last repaint saw.
    button->ButtonStyle(StyleCapsule);
    button->Move(0, 0, 60 * 15, 20 * 15);
    EXPECT_EQ(button->mask(), Region::CreateRoundRectRgn(0, 0, 61, 21, 18, 18).ToQRegion());

    // 220 twips at least: 15 pixels.
    button->Move(0, 0, 100, 10);
    EXPECT_EQ(button->Width(), bt::kMinimumTwips);
    EXPECT_EQ(button->Height(), bt::kMinimumTwips);
    EXPECT_EQ(button->size(), QSize(15, 15));
}

}  // namespace
}  // namespace tirnel
