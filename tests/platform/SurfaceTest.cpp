#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace tirnel {
namespace {

using test::BlankSurface;
using test::kInk;
using test::kInkLegend;
using test::kWhite;
using test::PixelRows;
using Rows = std::vector<std::string>;

TEST(SurfaceTest, StartsWithTheRequestedSizeAndClears) {
    Surface surface(7, 3);
    EXPECT_EQ(surface.Width(), 7);
    EXPECT_EQ(surface.Height(), 3);
    surface.SetBackColor(RGB(1, 2, 3));
    surface.MoveToEx(4, 2);
    surface.Clear();
    EXPECT_EQ(surface.CurrentPosition(), QPoint(0, 0));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(surface.GetPixel(x, y), RGB(1, 2, 3));

    Surface empty;
    EXPECT_EQ(empty.Width(), 0);
    empty.FillRect({0, 0, 5, 5}, kInk);  // nothing to draw on, nothing breaks
    empty.Clear();
    EXPECT_EQ(empty.GetPixel(0, 0), kInvalidColor);
}

TEST(SurfaceTest, ResizeKeepsTheOverlapAndFillsNewAreaWithTheBackground) {
    Surface surface = BlankSurface(3, 2);
    surface.FillRect({0, 0, 3, 2}, kInk);
    surface.Resize(4, 3);
    EXPECT_EQ(PixelRows(surface, kInkLegend), (Rows{"###.", "###.", "...."}));
    surface.Resize(2, 1);
    EXPECT_EQ(PixelRows(surface, kInkLegend), (Rows{"##"}));
    surface.Resize(-4, 5);
    EXPECT_EQ(surface.Width(), 0);
}

TEST(SurfaceTest, PixelsOutsideAreRefused) {
    Surface surface = BlankSurface(3, 3);
    EXPECT_EQ(surface.SetPixel(1, 2, RGB(9, 8, 7)), RGB(9, 8, 7));
    EXPECT_EQ(surface.GetPixel(1, 2), RGB(9, 8, 7));
    EXPECT_EQ(surface.SetPixel(0, 0, SystemColor(kColorButtonFace)), RGB(240, 240, 240));
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{3, 0}, std::pair{0, -1}, std::pair{0, 3}}) {
        EXPECT_EQ(surface.SetPixel(x, y, kInk), kInvalidColor);
        EXPECT_EQ(surface.GetPixel(x, y), kInvalidColor);
    }
}

TEST(SurfaceTest, FillRectCoversLeftTopInclusiveRightBottomExclusive) {
    struct Case {
        Rect rect;
        Rows expected;
    };
    const Case cases[] = {
        {{1, 1, 4, 3}, {".....", ".###.", ".###.", "....."}},
        {{-2, -2, 2, 1}, {"##...", ".....", ".....", "....."}},  // clipped
        {{3, 2, 9, 9}, {".....", ".....", "...##", "...##"}},
        {{2, 1, 2, 3}, {".....", ".....", ".....", "....."}},  // empty
        {{4, 3, 1, 1}, {".....", ".....", ".....", "....."}},  // inverted
    };
    for (const Case& c : cases) {
        Surface surface = BlankSurface(5, 4);
        surface.FillRect(c.rect, kInk);
        EXPECT_EQ(PixelRows(surface, kInkLegend), c.expected) << c.rect.left << "," << c.rect.top;
    }
}

TEST(SurfaceTest, FrameRectDrawsFourBands) {
    struct Case {
        Rect rect;
        Rows expected;
    };
    const Case cases[] = {
        {{1, 0, 5, 4}, {".####.", ".#..#.", ".#..#.", ".####.", "......"}},
        {{2, 1, 3, 4}, {"......", "..#...", "..#...", "..#...", "......"}},  // one wide: filled
        {{0, 2, 6, 3}, {"......", "......", "######", "......", "......"}},  // one high: filled
        {{3, 3, 3, 5}, {"......", "......", "......", "......", "......"}},
        {{5, 4, 1, 1}, {"......", "......", "......", "......", "......"}},
        {{-1, -1, 3, 3}, {"..#...", "..#...", "###...", "......", "......"}},
    };
    for (const Case& c : cases) {
        Surface surface = BlankSurface(6, 5);
        surface.FrameRect(c.rect, kInk);
        EXPECT_EQ(PixelRows(surface, kInkLegend), c.expected) << c.rect.left << "," << c.rect.top;
    }
}

TEST(SurfaceTest, FillRgnPaintsTheRegionsPixels) {
    Surface surface = BlankSurface(8, 6);
    surface.FillRgn(Region::CreateRoundRectRgn(0, 0, 8, 6, 4, 4), kInk);
    EXPECT_EQ(PixelRows(surface, kInkLegend), (Rows{".#####..", "#######.", "#######.", "#######.", ".#####..", "........"}));
}

std::set<std::pair<int, int>> InkedPixels(const Surface& surface) {
    std::set<std::pair<int, int>> inked;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.GetPixel(x, y) == kInk) inked.insert({x, y});
    return inked;
}

TEST(SurfaceTest, LinesLeaveOutTheEndPointAndFollowTheDiagonalBias) {
    struct Case {
        QPoint from, to;
        std::set<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {{5, 1}, {1, 1}, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {{1, 1}, {1, 4}, {{1, 1}, {1, 2}, {1, 3}}},
        {{1, 4}, {1, 1}, {{1, 4}, {1, 3}, {1, 2}}},
        {{2, 2}, {2, 2}, {}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},  // no bias: step late
        {{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},  // biased: same middle pixels
        {{0, 0}, {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {{4, 0}, {2, 4}, {{4, 0}, {3, 1}, {3, 2}, {2, 3}}},  // down-left, steep: biased
        {{0, 2}, {4, 0}, {{0, 2}, {1, 1}, {2, 1}, {3, 0}}},  // up-right, flat: biased
        {{-3, 1}, {9, 1}, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},  // clipped
        {{20, 3}, {-20, 3}, {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}}},
    };
    for (const Case& c : cases) {
        Surface surface = BlankSurface(6, 6);
        surface.MoveToEx(c.from.x(), c.from.y());
        surface.LineTo(c.to.x(), c.to.y());
        EXPECT_EQ(InkedPixels(surface), c.expected) << c.from.x() << "," << c.from.y() << " -> " << c.to.x() << ","
                                                    << c.to.y();
        EXPECT_EQ(surface.CurrentPosition(), c.to);
    }
}

TEST(SurfaceTest, RoundRectOutlineFollowsTheInsideOfItsRegion) {
    const Rows expected = {
        "..################...", ".#................#..", "#..................#.", "#..................#.",
        "#..................#.", "#..................#.", "#..................#.", "#..................#.",
        "#..................#.", "#..................#.", ".#................#..", "..################...",
        ".....................",
    };
    Surface surface = BlankSurface(21, 13);
    surface.RoundRect(0, 0, 20, 12, 6, 6);
    EXPECT_EQ(PixelRows(surface, kInkLegend), expected);

    Surface swapped = BlankSurface(21, 13);
    swapped.RoundRect(20, 12, 0, 0, 6, 6);
    EXPECT_EQ(PixelRows(swapped, kInkLegend), expected);
}

TEST(SurfaceTest, RoundRectWithSmallCornersIsARectangleOutline) {
    for (const int corner : {0, 1, 2}) {
        Surface surface = BlankSurface(6, 5);
        surface.RoundRect(0, 1, 5, 5, corner, 6);
        EXPECT_EQ(PixelRows(surface, kInkLegend), (Rows{"......", "#####.", "#...#.", "#...#.", "#####."}))
            << corner;
    }
    Surface empty = BlankSurface(4, 4);
    empty.RoundRect(2, 0, 2, 4, 6, 6);
    empty.RoundRect(0, 3, 4, 3, 6, 6);
    EXPECT_EQ(PixelRows(empty, kInkLegend), (Rows{"....", "....", "....", "...."}));
}

TEST(SurfaceTest, PenAndTextColorsAreSeparateStates) {
    constexpr Color kPen = RGB(200, 0, 0);
    constexpr Color kText = RGB(0, 0, 200);
    constexpr Color kBoth = RGB(0, 150, 0);
    Surface surface = BlankSurface(40, 30);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    surface.SetFont(font);

    // Each setter returns the value it replaces and touches nothing else.
    EXPECT_EQ(surface.SetPenColor(kPen), kInk);
    EXPECT_EQ(surface.TextColor(), kInk);
    EXPECT_EQ(surface.SetTextColor(kText), kInk);
    EXPECT_EQ(surface.PenColor(), kPen);
    EXPECT_EQ(surface.ForeColor(), kText);

    auto count = [&](Color color, int top, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < surface.Width(); ++x) n += surface.GetPixel(x, y) == color;
        return n;
    };
    // Lines and round rectangles in the pen colour, text and its underline in the text colour.
    surface.MoveToEx(0, 0);
    surface.LineTo(10, 0);
    surface.RoundRect(0, 1, 10, 5, 4, 4);
    surface.DrawText(QStringLiteral("&WW"), {0, 6, 40, 30}, kDtSingleLine);
    EXPECT_EQ(count(kPen, 0, 1), 10);
    EXPECT_GT(count(kPen, 1, 5), 0);
    EXPECT_EQ(count(kPen, 6, 30), 0);
    EXPECT_EQ(count(kText, 0, 6), 0);
    EXPECT_GT(count(kText, 6, 30), 0);  // the underline at least is exactly the text colour

    // The foreground colour sets both and returns the text colour it replaces.
    EXPECT_EQ(surface.SetForeColor(kBoth), kText);
    EXPECT_EQ(surface.PenColor(), kBoth);
    EXPECT_EQ(surface.TextColor(), kBoth);
    EXPECT_EQ(surface.SetPenColor(kPen), kBoth);
    EXPECT_EQ(surface.ForeColor(), kBoth);
}

}  // namespace
}  // namespace tirnel
