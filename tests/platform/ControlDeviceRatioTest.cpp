// A control's surface at a device pixel ratio: kept at the ratio, redrawn when it changes,
// shown one to one on a screen of that ratio; input stays in 1× pixels.

#include "tests/platform/FormWithControl.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTest>

#include <optional>

namespace tirnel {
namespace {

using test::FormWithControl;
using test::RecordingControl;

// Each step: the ratio given (nothing: the screen's, 1 offscreen), the surface's device size
// and the handler calls it brought.
TEST(ControlDeviceRatioTest, ANewRatioRedrawsACreatedControl) {
    struct Step {
        std::optional<double> ratio;
        QSize image;
        QStringList calls;
    };
    const Step steps[] = {
        {2.0, {80, 40}, {"Resize 40x20"}},
        {2.0, {80, 40}, {}},
        {1.5, {60, 30}, {"Resize 40x20"}},
        {std::nullopt, {40, 20}, {"Resize 40x20"}},
        {1.0, {40, 20}, {}},
    };
    FormWithControl shown;
    for (const Step& step : steps) {
        shown.control->mCalls.clear();
        shown.control->UseDeviceRatio(step.ratio);
        EXPECT_EQ(shown.control->DrawingSurface().Image().size(), step.image) << step.ratio.value_or(0);
        EXPECT_EQ(shown.control->DrawingSurface().Width(), 40);
        EXPECT_EQ(shown.control->mCalls, step.calls) << step.ratio.value_or(0);
    }
}

TEST(ControlDeviceRatioTest, ARatioGivenBeforeCreationIsDrawnAtFromTheStart) {
    RecordingControl control;
    control.resize(30, 10);
    control.UseDeviceRatio(3.0);
    EXPECT_TRUE(control.mCalls.isEmpty());
    control.Create();
    EXPECT_EQ(control.mCalls, (QStringList{"Initialize", "InitProperties", "Resize 30x10"}));
    EXPECT_EQ(control.DrawingSurface().Image().size(), QSize(90, 30));
}

// On a screen of the surface's ratio every device pixel lands on a screen pixel as it is.
TEST(ControlDeviceRatioTest, ThePaintEventShowsTheDevicePixelsOneToOne) {
    FormWithControl shown;
    shown.control->UseDeviceRatio(2.0);
    QImage& pixels = shown.control->DrawingSurface().Image();
    pixels.fill(QColor(10, 20, 30));
    pixels.setPixelColor(1, 0, QColor(255, 0, 0));
    pixels.setPixelColor(79, 39, QColor(0, 0, 255));

    QImage screen(80, 40, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2.0);
    screen.fill(Qt::white);
    shown.control->render(&screen);
    EXPECT_EQ(screen.pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(screen.pixelColor(1, 0), QColor(255, 0, 0));
    EXPECT_EQ(screen.pixelColor(79, 39), QColor(0, 0, 255));
}

// Shapes and the pointer stay in 1× pixels at ratio 2.
TEST(ControlDeviceRatioTest, TheWindowShapeAndThePointerStayIn1xPixels) {
    struct Case {
        QPoint at;  // in the control
        QStringList calls;
    };
    const Case cases[] = {
        {{30, 5}, {}},
        {{19, 19}, {"MouseDown 1 0 19 19", "MouseUp 1 0 19 19", "Click"}},
        {{20, 5}, {}},
    };
    FormWithControl shown;
    shown.control->UseDeviceRatio(2.0);
    shown.control->SetWindowRgn(QRegion(0, 0, 20, 20));
    for (const Case& c : cases) {
        shown.control->mCalls.clear();
        QTest::mouseClick(shown.form.windowHandle(), Qt::LeftButton, Qt::NoModifier, c.at + QPoint(10, 10));
        const QStringList calls =
            shown.control->mCalls.filter(QRegularExpression(QStringLiteral("^(MouseDown|MouseUp|Click)")));
        EXPECT_EQ(calls, c.calls) << c.at.x() << "," << c.at.y();
    }
}

}  // namespace
}  // namespace tirnel
