#include "platform/HandCursor.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace tirnel {
namespace {

TEST(HandCursorTest, IsThePointingHandEveryTimeItIsAskedFor) {
    EXPECT_EQ(HandCursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(&HandCursor(), &HandCursor());
}

// A control switches HandPointer on and off in any order; the widget shows the hand exactly
// while it is on and otherwise takes its parent's cursor again.
TEST(HandCursorTest, ApplyingAndClearingFollowsTheProperty) {
    QWidget parent;
    parent.setCursor(Qt::CrossCursor);
    QWidget child(&parent);
    const bool steps[] = {true, true, false, false, true, false};
    for (const bool on : steps) {
        ApplyHandCursor(child, on);
        EXPECT_EQ(child.testAttribute(Qt::WA_SetCursor), on);
        EXPECT_EQ(child.cursor().shape(), on ? Qt::PointingHandCursor : Qt::CrossCursor) << on;
    }
}

}  // namespace
}  // namespace tirnel
