#include "platform/DeviceGrid.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tirnel {
namespace {

// Where each of the first 1× pixels starts among the device pixels, and how many device
// pixels 3 and 81 1× pixels take.
TEST(DeviceGridTest, EdgesAndExtents) {
    struct Case {
        double ratio;
        std::vector<int> edges;  // Edge(0), Edge(1), ...
        int extent3;
        int extent81;
    };
    const Case cases[] = {
        {1.0, {0, 1, 2, 3, 4, 5}, 3, 81},
        {2.0, {0, 2, 4, 6, 8, 10}, 6, 162},
        {3.0, {0, 3, 6, 9, 12, 15}, 9, 243},
        {1.5, {0, 1, 3, 4, 6, 7}, 5, 122},
        {1.25, {0, 1, 2, 4, 5, 6}, 4, 102},
        {2.5, {0, 2, 5, 7, 10, 12}, 8, 203},
        {0.5, {0, 1, 2, 3, 4, 5}, 3, 81},  // below 1 counts as 1
        {std::numeric_limits<double>::quiet_NaN(), {0, 1, 2, 3, 4, 5}, 3, 81},
    };
    for (const Case& c : cases) {
        const DeviceGrid grid(c.ratio);
        for (int x = 0; x < static_cast<int>(c.edges.size()); ++x)
            EXPECT_EQ(grid.Edge(x), c.edges[static_cast<std::size_t>(x)]) << c.ratio << " x " << x;
        EXPECT_EQ(grid.Extent(3), c.extent3) << c.ratio;
        EXPECT_EQ(grid.Extent(81), c.extent81) << c.ratio;
    }
}

// Which 1× pixel each device pixel shows.
TEST(DeviceGridTest, PixelAtEachDevicePixel) {
    struct Case {
        double ratio;
        std::vector<int> pixels;  // PixelAt(0), PixelAt(1), ...
    };
    const Case cases[] = {
        {1.0, {0, 1, 2, 3, 4, 5, 6}},
        {2.0, {0, 0, 1, 1, 2, 2, 3}},
        {1.5, {0, 1, 1, 2, 3, 3, 4}},
        {1.25, {0, 1, 2, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        const DeviceGrid grid(c.ratio);
        for (int d = 0; d < static_cast<int>(c.pixels.size()); ++d)
            EXPECT_EQ(grid.PixelAt(d), c.pixels[static_cast<std::size_t>(d)]) << c.ratio << " d " << d;
    }
}

// PixelAt and Edge agree far out too, where the ratio's rounding could part them.
TEST(DeviceGridTest, PixelAtLiesInItsBlock) {
    for (const double ratio : {1.1, 1.25, 4.0 / 3.0, 1.5, 1.75, 2.0, 2.25, 3.0}) {
        const DeviceGrid grid(ratio);
        for (int d = 0; d < 100000; d += 7) {
            const int x = grid.PixelAt(d);
            ASSERT_LE(grid.Edge(x), d) << ratio << " " << d;
            ASSERT_GT(grid.Edge(x + 1), d) << ratio << " " << d;
        }
    }
}

}  // namespace
}  // namespace tirnel
