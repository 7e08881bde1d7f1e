#include "platform/MouseCapture.h"

#include "tests/platform/FormWithControl.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(MouseCaptureTest, OneWindowHoldsThePointerUntilReleasedDestroyedOrOutgrabbed) {
    test::FormWithControl shown;
    QWidget* control = shown.control;
    EXPECT_EQ(SetCapture(control), nullptr);
    EXPECT_EQ(SetCapture(&shown.form), control);
    EXPECT_EQ(QWidget::mouseGrabber(), &shown.form);
    EXPECT_FALSE(ReleaseCaptureOf(control));
    EXPECT_TRUE(ReleaseCaptureOf(&shown.form));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(ReleaseCapture());

    SetCapture(control);
    delete control;
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    SetCapture(&shown.form);
    QWidget other;
    other.show();
    other.grabMouse();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(ReleaseCapture());
    other.releaseMouse();
}

}  // namespace
}  // namespace tirnel
