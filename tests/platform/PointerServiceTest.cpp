#include "platform/PointerService.h"

#include "tests/platform/FormWithControl.h"

#include <gtest/gtest.h>

#include <QRegion>

namespace tirnel {
namespace {

TEST(PointerServiceTest, ASourceStandsInForTheSystemUntilItsScopeEnds) {
    test::FormWithControl shown;
    const QPoint inControl = shown.control->mapToGlobal(QPoint(5, 5));
    {
        ScopedPointerSource fake({[] { return QPoint(5, 6); }, {}});  // the window stays the system's
        EXPECT_EQ(CursorPosition(), QPoint(5, 6));
        EXPECT_EQ(WindowFromPoint(inControl), shown.control);
        ScopedPointerSource inner({{}, [&](const QPoint&) { return &shown.form; }});
        EXPECT_EQ(WindowFromPoint(inControl), &shown.form);
    }
    EXPECT_EQ(CursorPosition(), SystemCursorPosition());
    EXPECT_EQ(WindowFromPoint(inControl), shown.control);
}

TEST(PointerServiceTest, TheWindowUnderAPointIsTheInnermostWhoseMaskHoldsIt) {
    test::FormWithControl shown;
    auto* child = new QWidget(shown.control);
    child->setGeometry(2, 2, 6, 6);
    child->show();
    // The left half, and an ellipse over the whole control.
    shown.control->setMask(QRegion(0, 0, 20, 20) + QRegion(0, 0, 40, 20, QRegion::Ellipse));
    shown.form.setMask(QRegion(0, 0, 110, 80));
    const std::pair<QPoint, QWidget*> cases[] = {
        {{13, 13}, child},         {{40, 20}, shown.control}, {{49, 11}, &shown.form},
        {{100, 70}, &shown.form},  {{115, 20}, nullptr},      {{130, 20}, nullptr},
    };
    for (const auto& [formPoint, expected] : cases)
        EXPECT_EQ(SystemWindowFromPoint(shown.form.mapToGlobal(formPoint)), expected) << formPoint.x();
}

}  // namespace
}  // namespace tirnel
