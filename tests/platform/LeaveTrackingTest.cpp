#include "platform/LeaveTracking.h"

#include "platform/MessageHooks.h"
#include "platform/PointerService.h"
#include "tests/platform/FormWithControl.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <utility>

namespace tirnel {
namespace {

// The control's hooks count the leaves they see, with the pointer over `under`.
struct LeaveWatch {
    test::FormWithControl shown;
    QObject owner;
    QWidget* under = shown.control;
    ScopedPointerSource pointer{{{}, [this](const QPoint&) { return under; }}};
    int leaves = 0;

    LeaveWatch() {
        SubclassWindow(&owner, shown.control, [this](bool, bool&, auto&, std::int32_t& hWnd, auto&...) {
            EXPECT_EQ(hWnd, WindowHandle(shown.control));
            ++leaves;
        });
        WatchMessage(&owner, shown.control, kWmMouseLeave, kWhenAfter);
    }
    // The leaves seen once posted messages ran, since the last count.
    int Posted() {
        QCoreApplication::processEvents();
        return std::exchange(leaves, 0);
    }
    int QtLeave() {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(shown.control, &leave);
        return Posted();
    }
};

TEST(LeaveTrackingTest, EachRequestBringsOneLeaveFromQtWhileThePointerIsOver) {
    LeaveWatch watch;
    EXPECT_EQ(watch.QtLeave(), 0);  // never asked for
    EXPECT_TRUE(TrackMouseLeave(watch.shown.control));
    TrackMouseLeave(watch.shown.control);
    TrackMouseLeave(&watch.shown.form);
    EXPECT_EQ(watch.Posted(), 0);
    EXPECT_EQ(watch.QtLeave(), 1);
    EXPECT_EQ(watch.QtLeave(), 0);  // answered: disarmed
    TrackMouseLeave(watch.shown.control);
    EXPECT_EQ(watch.QtLeave(), 1);
}

TEST(LeaveTrackingTest, ARequestWithThePointerElsewhereIsAnsweredAfterTheCurrentMessage) {
    LeaveWatch watch;
    const std::pair<QWidget*, int> cases[] = {
        {new QWidget(watch.shown.control), 0}, {&watch.shown.form, 1}, {nullptr, 1}};
    for (const auto& [under, posted] : cases) {
        watch.under = under;
        TrackMouseLeave(watch.shown.control);
        EXPECT_EQ(watch.leaves, 0);  // never inside the request
        EXPECT_EQ(watch.Posted(), posted);
        EXPECT_EQ(watch.QtLeave(), 1 - posted);  // a posted leave answered the request
    }
    TrackMouseLeave(watch.shown.control);
    TrackMouseLeave(watch.shown.control);
    EXPECT_EQ(watch.Posted(), 2);
    TrackMouseLeave(watch.shown.control);
    delete watch.shown.control;
    EXPECT_EQ(watch.Posted(), 0);
}

TEST(LeaveTrackingTest, WithoutTrackingNoLeaveArrives) {
    LeaveWatch watch;
    SetLeaveTrackingAvailable(false);
    EXPECT_FALSE(TrackMouseLeave(watch.shown.control));
    const int qtLeaves = watch.QtLeave();
    watch.under = nullptr;
    TrackMouseLeave(watch.shown.control);
    const int posted = watch.Posted();
    SetLeaveTrackingAvailable(true);
    EXPECT_EQ(qtLeaves + posted, 0);
}

}  // namespace
}  // namespace tirnel
