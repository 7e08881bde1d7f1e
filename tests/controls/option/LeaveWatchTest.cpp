// The leave watch: polling the pointer after a move until it is outside, then MouseOut.

#include "OptionTestSupport.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

using test::EventLog;
using test::FakePointer;
using test::MakeOption;
using test::ShownPicture;

// Enough ticks of the 10 ms watch, however slow the machine.
constexpr int kPatience = 5000;

struct WatchedOption {
    FakePointer pointer;
    QWidget window;
    ua* option;
    EventLog log;

    explicit WatchedOption(std::int16_t userMode = kTrue) {
        window.resize(200, 60);
        option = MakeOption(&window, "opt", "", {10, 10, 120, 20}, pointer, userMode);
        log.Watch(*option);
        test::ShowWindow(window);
    }
    // Waits until the watch has read the pointer `count` more times (or has stopped).
    bool WaitTicks(int count) {
        const int until = pointer.ticks + count;
        return QTest::qWaitFor([&] { return pointer.ticks >= until || !option->LeaveWatchRunning(); }, kPatience);
    }
};

TEST(LeaveWatchTest, RunsFromCreationUntilThePointerIsFoundOutside) {
    WatchedOption w;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.log.Matching("MouseOut").isEmpty(); }, kPatience));
    EXPECT_FALSE(w.option->LeaveWatchRunning());
    EXPECT_EQ(w.log.Matching("MouseOut").size(), 1);
}

TEST(LeaveWatchTest, LeavingEndsTheHoverAndRaisesMouseOut) {
    WatchedOption w;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.option->LeaveWatchRunning(); }, kPatience));
    w.log.entries.clear();

    // On the control's own surface, right of the caption.
    w.pointer.Over(*w.option, {115, 10});
    QTest::mouseMove(w.option, {115, 10});
    EXPECT_TRUE(w.option->LeaveWatchRunning());
    EXPECT_EQ(ShownPicture(*w.option), StatePictureIndex(LookHover, false));
    // The edges are inside: the watch goes on.
    for (const QPoint edge : {QPoint(120, 20), QPoint(0, 0), QPoint(120, 0)}) {
        w.pointer.Over(*w.option, edge);
        ASSERT_TRUE(w.WaitTicks(3));
        EXPECT_TRUE(w.option->LeaveWatchRunning()) << edge.x() << "," << edge.y();
    }
    EXPECT_TRUE(w.log.Matching("MouseOut").isEmpty());
    EXPECT_EQ(ShownPicture(*w.option), StatePictureIndex(LookHover, false));

    w.pointer.Over(*w.option, {121, 20});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.option->LeaveWatchRunning(); }, kPatience));
    EXPECT_EQ(w.log.entries, (QStringList{"opt MouseMove 0 0 115 10", "opt MouseOut"}));
    EXPECT_EQ(ShownPicture(*w.option), StatePictureIndex(LookAtRest, false));
}

// One pixel past any side is outside; the watch stops there and the picture goes back to rest.
TEST(LeaveWatchTest, OnePixelPastAnySideIsOutside) {
    WatchedOption w;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.option->LeaveWatchRunning(); }, kPatience));
    QPoint onSurface(110, 10);
    for (const QPoint outside : {QPoint(-1, 10), QPoint(115, -1), QPoint(121, 10), QPoint(115, 21)}) {
        w.log.entries.clear();
        onSurface += QPoint(1, 0);  // a move to where the pointer was already is not delivered
        w.pointer.Over(*w.option, onSurface);
        QTest::mouseMove(w.option, onSurface);
        ASSERT_TRUE(w.option->LeaveWatchRunning());
        ASSERT_EQ(ShownPicture(*w.option), StatePictureIndex(LookHover, false));
        w.pointer.Over(*w.option, outside);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.option->LeaveWatchRunning(); }, kPatience))
            << outside.x() << "," << outside.y();
        EXPECT_EQ(w.log.Matching("MouseOut").size(), 1) << outside.x() << "," << outside.y();
        EXPECT_EQ(ShownPicture(*w.option), StatePictureIndex(LookAtRest, false)) << outside.x() << "," << outside.y();
    }
}

TEST(LeaveWatchTest, OnlyRunsInRunMode) {
    WatchedOption w(kFalse);
    EXPECT_FALSE(w.option->LeaveWatchRunning());
    QTest::mouseMove(w.option, {30, 5});
    EXPECT_FALSE(w.option->LeaveWatchRunning());
    QTest::qWait(30);
    EXPECT_EQ(w.pointer.ticks, 0);
    EXPECT_TRUE(w.log.Matching("MouseOut").isEmpty());
}

}  // namespace
}  // namespace tirnel
