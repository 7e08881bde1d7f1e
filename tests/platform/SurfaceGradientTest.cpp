#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tirnel {
namespace {

using test::BlankSurface;
using test::kWhite;

TriVertex Vertex(int x, int y, std::uint16_t red, std::uint16_t green = 0, std::uint16_t blue = 0) {
    return {x, y, red, green, blue, 0};
}

std::vector<int> RedAlongRow(const Surface& surface, int y) {
    std::vector<int> reds;
    for (int x = 0; x < surface.Width(); ++x) reds.push_back(static_cast<int>(surface.GetPixel(x, y) & 0xFF));
    return reds;
}

std::vector<int> RedDownColumn(const Surface& surface, int x) {
    std::vector<int> reds;
    for (int y = 0; y < surface.Height(); ++y) reds.push_back(static_cast<int>(surface.GetPixel(x, y) & 0xFF));
    return reds;
}

const std::array<GradientRect, 1> kOneRect = {{{0, 1}}};

TEST(SurfaceGradientTest, HorizontalStopsOneStepShortOfTheEndColor) {
    struct Case {
        TriVertex from, to;
    };
    // Vertex order does not matter: the one with the smaller x is the left one, colour and all.
    for (const Case& c : {Case{Vertex(0, 3, 0), Vertex(4, 1, 0xFF00)}, Case{Vertex(4, 1, 0xFF00), Vertex(0, 3, 0)}}) {
        Surface surface = BlankSurface(5, 4);
        const std::array vertices = {c.from, c.to};
        ASSERT_TRUE(surface.GradientFill(vertices, kOneRect, kGradientFillRectH));
        EXPECT_EQ(RedAlongRow(surface, 1), (std::vector<int>{0, 63, 127, 191, 255}));
        EXPECT_EQ(RedAlongRow(surface, 2), (std::vector<int>{0, 63, 127, 191, 255}));
        // Rows 1 and 2 only: the larger y is excluded; column 4 is outside too.
        EXPECT_EQ(surface.GetPixel(0, 0), kWhite);
        EXPECT_EQ(surface.GetPixel(0, 3), kWhite);
        EXPECT_EQ(surface.GetPixel(4, 1), kWhite);
        EXPECT_EQ(surface.GetPixel(3, 1), RGB(191, 0, 0));
    }
}

TEST(SurfaceGradientTest, VerticalRunsDownTheRows) {
    Surface surface = BlankSurface(10, 5);
    const std::array vertices = {Vertex(0, 0, 0), Vertex(10, 4, 0xFF00)};
    ASSERT_TRUE(surface.GradientFill(vertices, kOneRect, kGradientFillRectV));
    for (int x = 0; x < 10; ++x) EXPECT_EQ(RedDownColumn(surface, x), (std::vector<int>{0, 63, 127, 191, 255})) << x;
}

TEST(SurfaceGradientTest, ChannelsKeepTheirPlaces) {
    // Blue 255 arrives as 0xFF00; the mix of two channels truncates.
    Surface surface = BlankSurface(2, 1);
    const std::array vertices = {Vertex(0, 0, 0, 0x8000, 0xFF00), Vertex(2, 1, 0xFF00, 0x8000, 0)};
    ASSERT_TRUE(surface.GradientFill(vertices, kOneRect, kGradientFillRectH));
    EXPECT_EQ(surface.GetPixel(0, 0), RGB(0, 128, 255));
    EXPECT_EQ(surface.GetPixel(1, 0), RGB(127, 128, 127));
}

TEST(SurfaceGradientTest, EqualColorsAreFlatAndClippingKeepsTheRamp) {
    Surface flat = BlankSurface(3, 1);
    const std::array same = {Vertex(0, 0, 0x7F00), Vertex(3, 1, 0x7F00)};
    flat.GradientFill(same, kOneRect, kGradientFillRectH);
    EXPECT_EQ(RedAlongRow(flat, 0), (std::vector<int>{127, 127, 127}));

    // Starts two columns left of the surface: the ramp is still measured from x = -2.
    Surface clipped = BlankSurface(3, 1);
    const std::array wide = {Vertex(-2, 0, 0), Vertex(6, 1, 0xFF00)};
    clipped.GradientFill(wide, kOneRect, kGradientFillRectH);
    EXPECT_EQ(RedAlongRow(clipped, 0), (std::vector<int>{63, 95, 127}));
}

TEST(SurfaceGradientTest, NothingForEmptyRangesBadModesOrIndices) {
    Surface surface = BlankSurface(4, 4);
    const std::array flatX = {Vertex(2, 0, 0xFF00), Vertex(2, 4, 0)};
    EXPECT_TRUE(surface.GradientFill(flatX, kOneRect, kGradientFillRectH));
    const std::array flatY = {Vertex(0, 1, 0xFF00), Vertex(4, 1, 0)};
    EXPECT_TRUE(surface.GradientFill(flatY, kOneRect, kGradientFillRectV));
    const std::array vertices = {Vertex(0, 0, 0), Vertex(4, 4, 0)};
    EXPECT_FALSE(surface.GradientFill(vertices, kOneRect, 2));
    const std::array<GradientRect, 1> badIndex = {{{0, 2}}};
    EXPECT_FALSE(surface.GradientFill(vertices, badIndex, kGradientFillRectH));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.GetPixel(x, y), kWhite);
}

}  // namespace
}  // namespace tirnel
