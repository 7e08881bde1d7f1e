#include "platform/Region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tirnel {
namespace {

std::vector<std::string> Picture(const Region& region, int width, int height) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) row += region.Contains(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(RegionTest, RoundRectMatchesTheWorkedExample) {
    const std::vector<std::string> expected = {
        "..###############...",
        ".#################..",
        "###################.",
        "###################.",
        "###################.",
        "###################.",
        "###################.",
        "###################.",
        "###################.",
        ".#################..",
        "..###############...",
        "....................",
    };
    EXPECT_EQ(Picture(Region::CreateRoundRectRgn(0, 0, 20, 12, 6, 6), 20, 12), expected);
    // Corners given in any order and negative ellipse sizes make the same shape.
    EXPECT_EQ(Region::CreateRoundRectRgn(20, 12, 0, 0, -6, -6).Spans(),
              Region::CreateRoundRectRgn(0, 0, 20, 12, 6, 6).Spans());
}

TEST(RegionTest, RoundRectEllipseIsCappedByTheRectangle) {
    // w' = min(4, 40) = 4, h' = 4: one-pixel cuts in the first and last row only.
    const Region region = Region::CreateRoundRectRgn(0, 0, 5, 20, 40, 4);
    const std::vector<Region::Span> expectedEnds = {{0, 1, 3}, {1, 0, 4}, {17, 0, 4}, {18, 1, 3}};
    ASSERT_EQ(region.Spans().size(), 19u);
    EXPECT_EQ(region.Spans().front(), expectedEnds[0]);
    EXPECT_EQ(region.Spans()[1], expectedEnds[1]);
    EXPECT_EQ(region.Spans()[17], expectedEnds[2]);
    EXPECT_EQ(region.Spans().back(), expectedEnds[3]);
}

TEST(RegionTest, SmallEllipsesGiveTheSmallerRectangle) {
    struct Case {
        int w, h;
    };
    for (const Case c : {Case{0, 0}, Case{2, 8}, Case{8, 2}, Case{1, 1}, Case{-2, 5}}) {
        const Region region = Region::CreateRoundRectRgn(2, 3, 10, 9, c.w, c.h);
        EXPECT_EQ(region.BoundingBox(), (Rect{2, 3, 9, 8})) << c.w << "x" << c.h;
        EXPECT_EQ(region.Spans().size(), 5u);
        for (const Region::Span& span : region.Spans()) EXPECT_EQ(span.right - span.left, 7);
    }
}

TEST(RegionTest, EmptyRegions) {
    EXPECT_TRUE(Region().IsEmpty());
    EXPECT_TRUE(Region::CreateRectRgn(3, 1, 3, 9).IsEmpty());
    EXPECT_TRUE(Region::CreateRectRgn(0, 4, 9, 4).IsEmpty());
    EXPECT_TRUE(Region::CreateRoundRectRgn(5, 0, 5, 10, 4, 4).IsEmpty());
    EXPECT_TRUE(Region::CreateRoundRectRgn(0, 0, 1, 1, 4, 4).IsEmpty());  // one pixel smaller: nothing left
    EXPECT_TRUE(Region().ToQRegion().isEmpty());
    EXPECT_FALSE(Region().Contains(0, 0));
}

TEST(RegionTest, RectRegionOrdersItsCorners) {
    const Region region = Region::CreateRectRgn(4, 3, 1, 0);
    EXPECT_EQ(region.BoundingBox(), (Rect{1, 0, 4, 3}));
    EXPECT_TRUE(region.Contains(1, 0));
    EXPECT_TRUE(region.Contains(3, 2));
    EXPECT_FALSE(region.Contains(4, 2));
    EXPECT_FALSE(region.Contains(3, 3));
    EXPECT_FALSE(region.Contains(0, 0));
}

// Shape properties every round region must have, over many sizes: inside the smaller
// rectangle, mirror-symmetric both ways, convex (cuts shrink towards the middle rows), full rows
// in the middle.
TEST(RegionTest, RoundRectShapesAreSymmetricAndConvex) {
    for (int width = 3; width <= 24; width += 3) {
        for (int height = 3; height <= 24; height += 4) {
            for (int ellipse = 3; ellipse <= 30; ellipse += 5) {
                const Region region = Region::CreateRoundRectRgn(1, 2, 1 + width, 2 + height, ellipse, ellipse + 2);
                const std::string where = std::to_string(width) + "x" + std::to_string(height) + " e" +
                                          std::to_string(ellipse);
                const auto& spans = region.Spans();
                ASSERT_EQ(static_cast<int>(spans.size()), height - 1) << where;
                for (std::size_t i = 0; i < spans.size(); ++i) {
                    const Region::Span& span = spans[i];
                    const Region::Span& mirror = spans[spans.size() - 1 - i];
                    EXPECT_EQ(span.y, 2 + static_cast<int>(i)) << where;
                    EXPECT_EQ(span.left - 1, width - span.right) << where << " row " << i;
                    EXPECT_EQ(span.left, mirror.left) << where << " row " << i;
                    EXPECT_GE(span.left, 1);
                    EXPECT_LE(span.right, width);
                    if (i > 0 && i <= spans.size() / 2) {
                        EXPECT_LE(span.left, spans[i - 1].left) << where;
                    }
                }
                EXPECT_EQ(spans[spans.size() / 2].left, 1) << where;
            }
        }
    }
}

TEST(RegionTest, TallNarrowEllipseStaysConvex) {
    // The ellipse walk ends before reaching the top rows of an ellipse this tall; they continue
    // the narrowest cut.
    const Region region = Region::CreateRoundRectRgn(0, 0, 5, 31, 4, 30);
    ASSERT_EQ(region.Spans().size(), 30u);
    for (std::size_t i = 1; i <= 15; ++i) EXPECT_LE(region.Spans()[i].left, region.Spans()[i - 1].left) << i;
    EXPECT_EQ(region.Spans().front().left, region.Spans().back().left);
}

TEST(RegionTest, QRegionCoversTheSamePixels) {
    const Region region = Region::CreateRoundRectRgn(0, 0, 30, 20, 10, 8);
    const QRegion mask = region.ToQRegion();
    for (int y = -1; y <= 21; ++y)
        for (int x = -1; x <= 31; ++x) EXPECT_EQ(mask.contains(QPoint(x, y)), region.Contains(x, y)) << x << "," << y;
    // Equal rows are joined: the full-width middle is one rectangle.
    EXPECT_LT(mask.rectCount(), static_cast<int>(region.Spans().size()));
}

}  // namespace
}  // namespace tirnel
