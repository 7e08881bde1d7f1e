#include "platform/Nearest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tirnel {
namespace {

TEST(NearestTest, RoundsTiesToEvenAndSaturatesOrFailsOutOfRange) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        double value;
        std::int32_t saturated;
        std::optional<std::int32_t> checked;
    };
    const Case cases[] = {
        {8.5, 8, 8},
        {9.5, 10, 10},
        {-2.5, -2, -2},
        {-3.5, -4, -4},
        {2.4999, 2, 2},
        {kMax, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()},
        {kMax + 0.4, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()},
        {kMax + 1, std::numeric_limits<std::int32_t>::max(), std::nullopt},
        {kMin - 0.5, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::min()},
        {kMin - 1, std::numeric_limits<std::int32_t>::min(), std::nullopt},
        {std::nan(""), 0, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Nearest(c.value), c.saturated) << c.value;
        EXPECT_EQ(NearestChecked(c.value), c.checked) << c.value;
    }
}

}  // namespace
}  // namespace tirnel
