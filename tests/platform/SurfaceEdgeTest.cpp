#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

using test::kInk;
using test::PixelRows;
using Rows = std::vector<std::string>;

// Edges on a red surface so the white highlight shows.
const test::Legend kEdgeLegend = {
    {kInk, '.'},
    {GetSysColor(kColor3dLight), 'L'},
    {GetSysColor(kColorButtonHighlight), 'H'},
    {GetSysColor(kColor3dDarkShadow), 'D'},
    {GetSysColor(kColorButtonShadow), 'S'},
};

TEST(SurfaceEdgeTest, DrawsTheBorderTables) {
    struct Case {
        const char* name;
        unsigned edge;
        unsigned flags;
        Rows expected;
    };
    const Case cases[] = {
        {"raised", kEdgeRaised, kBfRect, {"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"}},
        {"sunken", kEdgeSunken, kBfRect, {"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"}},
        {"thin raised", kBdrRaisedInner, kBfRect, {"HHHHHS", "H....S", "H....S", "H....S", "SSSSSS"}},
        {"top and left", kEdgeRaised, kBfTop | kBfLeft, {"LLLLLL", "LHHHH.", "LH....", "LH....", "L....."}},
        {"no border", 0, kBfRect, {"......", "......", "......", "......", "......"}},
    };
    for (const Case& c : cases) {
        Surface surface(6, 5);
        surface.SetBackColor(kInk);
        surface.Clear();
        surface.DrawEdge({0, 0, 6, 5}, c.edge, c.flags);
        EXPECT_EQ(PixelRows(surface, kEdgeLegend), c.expected) << c.name;
    }
}

TEST(SurfaceEdgeTest, EmptyOrInvertedRectanglesDrawNothing) {
    Surface surface(4, 4);
    surface.SetBackColor(kInk);
    surface.Clear();
    surface.DrawEdge({2, 0, 2, 4}, kEdgeRaised);
    surface.DrawEdge({3, 3, 0, 0}, kEdgeSunken);
    EXPECT_EQ(PixelRows(surface, kEdgeLegend), (Rows{"....", "....", "....", "...."}));
}

const test::Legend kFocusLegend = {{test::kWhite, '.'}, {0x000000, 'x'}};

TEST(SurfaceEdgeTest, FocusRectInvertsACheckerOfTheFrame) {
    struct Case {
        Rect rect;
        Rows expected;
    };
    const Case cases[] = {
        {{0, 0, 6, 5}, {"x.x.x.", ".....x", "x.....", ".....x", "x.x.x."}},
        // The checker is counted in surface coordinates, not from the rectangle's corner.
        {{1, 1, 5, 4}, {"......", ".x.x..", "....x.", ".x.x..", "......"}},
        // One row high: the top and bottom bands are the same pixels and cancel.
        {{0, 2, 6, 3}, {"......", "......", "......", "......", "......"}},
        {{4, 1, 2, 3}, {"......", "......", "......", "......", "......"}},
    };
    for (const Case& c : cases) {
        Surface surface = test::BlankSurface(6, 5);
        surface.DrawFocusRect(c.rect);
        EXPECT_EQ(PixelRows(surface, kFocusLegend), c.expected) << c.rect.left << "," << c.rect.top;
    }
}

TEST(SurfaceEdgeTest, FocusRectTwiceRestoresAnyPicture) {
    Surface surface(9, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) surface.SetPixel(x, y, RGB(x * 25, y * 30, 200 - x * y));
    const QImage before = surface.Image().copy();
    surface.DrawFocusRect({-1, 1, 8, 9});
    EXPECT_NE(surface.Image(), before);
    EXPECT_EQ(surface.GetPixel(1, 1), RGB(255 - 25, 255 - 30, 255 - 199));  // top band, x + y even
    EXPECT_EQ(surface.GetPixel(2, 1), RGB(50, 30, 198));                    // x + y odd
    EXPECT_EQ(surface.GetPixel(7, 3), RGB(255 - 175, 255 - 90, 255 - 179));  // right band
    EXPECT_EQ(surface.GetPixel(2, 6), RGB(50, 180, 188));                   // the bottom band lies below the surface
    surface.DrawFocusRect({-1, 1, 8, 9});
    EXPECT_EQ(surface.Image(), before);
}

}  // namespace
}  // namespace tirnel
