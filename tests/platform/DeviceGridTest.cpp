#include "platform/DeviceGrid.h"

#include <gtest/gtest.h>

#include <array>

namespace tirnel {
namespace {

// Where the first 1× pixels start among the device pixels, which 1× pixel the first device
// pixels show, and how many device pixels 81 1× pixels take.
TEST(DeviceGridTest, BlocksAtEachRatio) {
    struct Case {
        double ratio;
        std::array<int, 6> edges;
        std::array<int, 7> pixels;
        int extent81;
    };
    const Case cases[] = {
        {1.0, {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5, 6}, 81},
        {2.0, {0, 2, 4, 6, 8, 10}, {0, 0, 1, 1, 2, 2, 3}, 162},
        {3.0, {0, 3, 6, 9, 12, 15}, {0, 0, 0, 1, 1, 1, 2}, 243},
        {1.5, {0, 1, 3, 4, 6, 7}, {0, 1, 1, 2, 3, 3, 4}, 122},
        {1.25, {0, 1, 2, 4, 5, 6}, {0, 1, 2, 2, 3, 4, 5}, 102},
        {0.5, {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5, 6}, 81},  // below 1 counts as 1
    };
    for (const Case& c : cases) {
        const DeviceGrid grid(c.ratio);
        for (int x = 0; x < 6; ++x) EXPECT_EQ(grid.Edge(x), c.edges[static_cast<std::size_t>(x)]) << c.ratio;
        for (int d = 0; d < 7; ++d) EXPECT_EQ(grid.PixelAt(d), c.pixels[static_cast<std::size_t>(d)]) << c.ratio;
        EXPECT_EQ(grid.Extent(81), c.extent81) << c.ratio;
    }
}

}  // namespace
}  // namespace tirnel
