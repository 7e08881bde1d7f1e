#include "tests/platform/FormWithControl.h"

#include <gtest/gtest.h>

#include <optional>

namespace tirnel {
namespace {

// A created control drawn at a new ratio runs its size-change handler; its size stays 40 x 20.
TEST(ControlDeviceRatioTest, ANewRatioRedrawsTheControl) {
    struct Step {
        std::optional<double> ratio;  // nothing: the screen's, 1 offscreen
        QSize image;
        QStringList calls;
    };
    const Step steps[] = {
        {2.0, {80, 40}, {"Resize 40x20"}},
        {2.0, {80, 40}, {}},
        {1.5, {60, 30}, {"Resize 40x20"}},
        {std::nullopt, {40, 20}, {"Resize 40x20"}},
    };
    test::FormWithControl shown;
    for (const Step& step : steps) {
        shown.control->mCalls.clear();
        shown.control->UseDeviceRatio(step.ratio);
        EXPECT_EQ(shown.control->DrawingSurface().Image().size(), step.image);
        EXPECT_EQ(shown.control->DrawingSurface().Width(), 40);
        EXPECT_EQ(shown.control->mCalls, step.calls) << step.ratio.value_or(0);
    }
}

}  // namespace
}  // namespace tirnel
