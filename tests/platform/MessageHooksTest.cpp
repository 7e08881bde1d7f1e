#include "platform/MessageHooks.h"

#include "platform/Form.h"
#include "platform/LeaveTracking.h"
#include "platform/PointerService.h"
#include "tests/platform/FormWithControl.h"
#include "tests/platform/RecordingControl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>

namespace tirnel {
namespace {

using test::RecordingControl;

constexpr std::int32_t kSomeMessage = 0x0400;

// Up to four hook owners named A, B, C, D on one window; every call goes into the log as
// "<owner> before <wParam>" or "<owner> after <lReturn>", the window's own handling as
// "own <wParam>". An action registered under such a line runs right after it is logged.
struct HookedWindow {
    RecordingControl window;
    std::map<QString, std::unique_ptr<QObject>> owners;
    QStringList log;
    std::map<QString, std::function<void(bool& bHandled, std::int32_t& lReturn, std::int32_t& wParam)>> actions;

    QObject* Owner(const QString& name) {
        auto& owner = owners[name];
        if (!owner) owner = std::make_unique<QObject>();
        return owner.get();
    }

    int Hook(const QString& name, std::int32_t uMsg = kEveryMessage, int When = kWhenBefore | kWhenAfter) {
        const auto proc = [this, name](bool bBefore, bool& bHandled, std::int32_t& lReturn, auto&, auto&,
                                       std::int32_t& wParam, auto&) {
            const QString stage = bBefore ? "before" : "after";
            const QString line = QStringLiteral("%1 %2 %3").arg(name, stage).arg(bBefore ? wParam : lReturn);
            log << line;
            if (actions.count(line)) actions[line](bHandled, lReturn, wParam);
        };
        const int index = SubclassWindow(Owner(name), &window, proc);
        WatchMessage(Owner(name), &window, uMsg, When);
        return index;
    }

    // Sends one message with wParam 0; the window's own handling returns 42.
    QStringList Send(std::int32_t uMsg = kSomeMessage, std::int32_t* result = nullptr) {
        log.clear();
        const auto own = [this](auto, auto, std::int32_t wParam, auto) {
            log << QStringLiteral("own %1").arg(wParam);
            bool bHandled = false;
            if (actions.count(log.back())) actions[log.back()](bHandled, wParam, wParam);
            return std::int32_t{42};
        };
        const std::int32_t lReturn = SendThroughHooks(&window, uMsg, 0, 0, own);
        if (result) *result = lReturn;
        return log;
    }
};

TEST(MessageHooksTest, BeforeCallsRunNewestFirstAfterCallsOldestFirstAroundTheWindow) {
    struct Case {
        QStringList names;
        QStringList expected;
    };
    const Case cases[] = {
        {{"A", "B"}, {"B before 0", "A before 1", "own 2", "A after 42", "B after 42"}},
        {{"A", "B", "C"},
         {"C before 0", "B before 1", "A before 2", "own 3", "A after 42", "B after 42", "C after 42"}},
    };
    for (const Case& c : cases) {
        HookedWindow hooked;
        // Every before-call adds one to wParam: each stage shows which copy of the message it got.
        for (int i = 0; i < c.names.size(); ++i) {
            hooked.Hook(c.names[i]);
            hooked.actions[QStringLiteral("%1 before %2").arg(c.names[i]).arg(c.names.size() - 1 - i)] =
                [](bool&, std::int32_t&, std::int32_t& wParam) { ++wParam; };
        }
        std::int32_t result = 0;
        EXPECT_EQ(hooked.Send(kSomeMessage, &result), c.expected);
        EXPECT_EQ(result, 42);
    }
}

TEST(MessageHooksTest, AHandledBeforeCallStopsTheMessageThereAndOuterHooksStillGetTheirAfterCalls) {
    struct Case {
        QString stopper;
        QStringList expected;
    };
    const Case cases[] = {
        {"C", {"C before 0"}},
        {"B", {"C before 0", "B before 0", "C after 9"}},
        {"A", {"C before 0", "B before 0", "A before 0", "B after 9", "C after 9"}},
    };
    for (const Case& c : cases) {
        HookedWindow hooked;
        for (const char* name : {"A", "B", "C"}) hooked.Hook(name);
        hooked.actions[c.stopper + " before 0"] = [](bool& bHandled, std::int32_t& lReturn, std::int32_t&) {
            bHandled = true;
            lReturn = 9;
        };
        std::int32_t result = 0;
        EXPECT_EQ(hooked.Send(kSomeMessage, &result), c.expected) << c.stopper.toStdString();
        EXPECT_EQ(result, 9);
    }
}

TEST(MessageHooksTest, RemovingHooksInAnyOrderKeepsTheRestInOrder) {
    std::array<int, 3> order{0, 1, 2};
    const QStringList names{"A", "B", "C"};
    do {
        HookedWindow hooked;
        for (const QString& name : names) hooked.Hook(name);
        QStringList left = names;
        for (const int removed : order) {
            EXPECT_NE(UnsubclassWindow(hooked.Owner(names[removed]), &hooked.window), kNotHooked);
            left.removeOne(names[removed]);
            QStringList expected;
            for (auto it = left.crbegin(); it != left.crend(); ++it) expected << *it + " before 0";
            expected << "own 0";
            for (const QString& name : left) expected << name + " after 42";
            EXPECT_EQ(hooked.Send(), expected) << order[0] << order[1] << order[2];
            EXPECT_EQ(UnsubclassWindow(hooked.Owner(names[removed]), &hooked.window), kNotHooked);
        }
        EXPECT_FALSE(IsHooked(&hooked.window));
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(MessageHooksTest, HooksRemovedOrAddedDuringADispatchGetNoFurtherCallsInIt) {
    struct Case {
        const char* name;
        QString when;
        std::function<void(HookedWindow&)> change;
        QStringList during;
        QStringList next;
    };
    const auto unhook = [](const QStringList& names) {
        return [names](HookedWindow& hooked) {
            for (const QString& name : names) UnsubclassWindow(hooked.Owner(name), &hooked.window);
        };
    };
    const Case cases[] = {
        {"newest removes the middle one", "C before 0", unhook({"B"}),
         {"C before 0", "A before 0", "own 0", "A after 42", "C after 42"},
         {"C before 0", "A before 0", "own 0", "A after 42", "C after 42"}},
        {"newest removes itself", "C before 0", unhook({"C"}),
         {"C before 0", "B before 0", "A before 0", "own 0", "A after 42", "B after 42"},
         {"B before 0", "A before 0", "own 0", "A after 42", "B after 42"}},
        {"the window removes the outer two", "own 0", unhook({"A", "C"}),
         {"C before 0", "B before 0", "A before 0", "own 0", "B after 42"},
         {"B before 0", "own 0", "B after 42"}},
        {"oldest removes everything", "A after 42", unhook({"C", "A", "B"}),
         {"C before 0", "B before 0", "A before 0", "own 0", "A after 42"},
         {"own 0"}},
        {"the window adds one", "own 0", [](HookedWindow& hooked) { hooked.Hook("D"); },
         {"C before 0", "B before 0", "A before 0", "own 0", "A after 42", "B after 42", "C after 42"},
         {"D before 0", "C before 0", "B before 0", "A before 0", "own 0", "A after 42", "B after 42", "C after 42",
          "D after 42"}},
    };
    for (const Case& c : cases) {
        HookedWindow hooked;
        for (const char* name : {"A", "B", "C"}) hooked.Hook(name);
        bool changed = false;
        hooked.actions[c.when] = [&](bool&, std::int32_t&, std::int32_t&) {
            if (!changed) c.change(hooked);
            changed = true;
        };
        EXPECT_EQ(hooked.Send(), c.during) << c.name;
        EXPECT_EQ(hooked.Send(), c.next) << c.name;
    }
}

TEST(MessageHooksTest, HooksGoWithTheirOwnerOrTheirWindow) {
    HookedWindow hooked;
    for (const char* name : {"A", "B", "C"}) hooked.Hook(name);
    hooked.owners.erase("B");
    EXPECT_EQ(hooked.Send(), (QStringList{"C before 0", "A before 0", "own 0", "A after 42", "C after 42"}));

    // An owner's record of a destroyed window is free for its next hook.
    QObject owner;
    auto* first = new Control;
    Control second;
    EXPECT_EQ(SubclassWindow(&owner, first, {}), 0);
    EXPECT_EQ(SubclassWindow(&owner, &second, {}), 1);
    delete first;
    EXPECT_EQ(FindWindowSlot(&owner, nullptr, true), 0);
    Control third;
    EXPECT_EQ(SubclassWindow(&owner, &third, {}), 0);
    EXPECT_EQ(FindWindowSlot(&owner, &second, false), 1);
    // A control hooking its own window (as a button does) may simply go.
    auto* self = new Control;
    SubclassWindow(self, self, {});
    SubclassWindow(&owner, self, {});
    delete self;
    EXPECT_EQ(FindWindowSlot(&owner, nullptr, true), 2);

    // A window destroyed by its own handling gets no after-calls.
    auto* doomed = new HookedWindow;
    for (const char* name : {"A", "B"}) doomed->Hook(name);
    QStringList log;
    SendThroughHooks(&doomed->window, kSomeMessage, 0, 0, [&](std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
        log = doomed->log;
        delete doomed;
        return std::int32_t{0};
    });
    EXPECT_EQ(log, (QStringList{"B before 0", "A before 0"}));
}

TEST(MessageHooksTest, WindowsWithoutARecordReportNotHooked) {
    QObject owner;
    QWidget plain;
    Control control;
    EXPECT_EQ(SubclassWindow(&owner, &plain, {}), kNotHooked);
    for (const QWidget* window : {static_cast<const QWidget*>(&plain), static_cast<const QWidget*>(&control)}) {
        HookTables tables;
        EXPECT_EQ(WatchMessage(&owner, window, kWmMouseMove, kWhenAfter), kNotHooked);
        EXPECT_EQ(UnwatchMessage(&owner, window, kWmMouseMove, kWhenAfter), kNotHooked);
        EXPECT_EQ(UnsubclassWindow(&owner, window), kNotHooked);
        EXPECT_EQ(FindWindowSlot(&owner, window, false), kNotHooked);
        EXPECT_FALSE(HookTablesOf(&owner, window, tables));
        EXPECT_FALSE(IsHooked(window));
        EXPECT_EQ(WindowHandle(window), 0);
    }
    UnsubclassAll(&owner);
    EXPECT_EQ(SendThroughHooks(&plain, kSomeMessage, 0, 0, [](auto...) { return std::int32_t{5}; }), 5);
}

TEST(MessageHooksTest, WatchTablesKeepOneEntryPerMessageAndReuseFreedEntries) {
    HookedWindow hooked;
    QObject* owner = hooked.Owner("A");
    std::int32_t seenHandle = 0;
    int calls = 0;
    const auto count = [&](bool, bool&, auto&, std::int32_t& hWnd, auto&...) {
        seenHandle = hWnd;
        ++calls;
    };
    ASSERT_EQ(SubclassWindow(owner, &hooked.window, count), 0);
    const auto callsFor = [&](std::int32_t uMsg) {
        calls = 0;
        hooked.Send(uMsg);
        return calls;
    };
    HookTables tables;

    WatchMessage(owner, &hooked.window, kWmMouseMove, kWhenAfter);
    WatchMessage(owner, &hooked.window, kWmMouseMove, kWhenAfter);
    ASSERT_TRUE(HookTablesOf(owner, &hooked.window, tables));
    EXPECT_EQ(tables.afterTable, std::vector<std::int32_t>{kWmMouseMove});
    EXPECT_EQ(tables.afterCount, 1);
    EXPECT_EQ(tables.beforeCount, 0);
    EXPECT_EQ(callsFor(kWmMouseMove), 1);
    EXPECT_EQ(callsFor(kWmMouseLeave), 0);
    EXPECT_NE(seenHandle, 0);
    EXPECT_EQ(seenHandle, WindowHandle(&hooked.window));

    UnwatchMessage(owner, &hooked.window, kWmMouseMove, kWhenAfter);
    EXPECT_EQ(callsFor(kWmMouseMove), 0);
    EXPECT_EQ(callsFor(0), 0);  // a free entry matches nothing
    WatchMessage(owner, &hooked.window, kWmMouseLeave, kWhenAfter | kWhenBefore);
    HookTablesOf(owner, &hooked.window, tables);
    EXPECT_EQ(tables.afterTable, std::vector<std::int32_t>{kWmMouseLeave});
    EXPECT_EQ(tables.beforeTable, std::vector<std::int32_t>{kWmMouseLeave});
    EXPECT_EQ(callsFor(kWmMouseLeave), 2);

    WatchMessage(owner, &hooked.window, kEveryMessage, kWhenBefore);
    HookTablesOf(owner, &hooked.window, tables);
    EXPECT_EQ(tables.beforeCount, kEveryMessage);
    EXPECT_EQ(callsFor(kSomeMessage), 1);
    EXPECT_EQ(callsFor(kWmActivate), 1);
    UnwatchMessage(owner, &hooked.window, kEveryMessage, kWhenBefore);
    EXPECT_EQ(callsFor(kSomeMessage), 0);

    // One owner hooking the window again makes a second hook; calls naming the window act
    // on the newer record.
    EXPECT_EQ(hooked.Hook("A", kSomeMessage, kWhenAfter), 1);
    EXPECT_EQ(hooked.Send(), (QStringList{"own 0", "A after 42"}));
    EXPECT_EQ(UnsubclassWindow(owner, &hooked.window), 1);
    EXPECT_EQ(callsFor(kWmMouseLeave), 2);
    UnsubclassAll(owner);
    EXPECT_FALSE(IsHooked(&hooked.window));
}

// The shown form with its control, and an owner for the hooks.
struct ShownForm : test::FormWithControl {
    QObject owner;

    // Hooks the window for every message, logging "<tag> before|after <uMsg> <wParam> <lParam>"
    // into the control's handler log.
    void Watch(QWidget* window, const QString& tag) {
        SubclassWindow(&owner, window,
                       [this, tag](bool bBefore, bool&, std::int32_t&, std::int32_t&, std::int32_t& uMsg,
                                   std::int32_t& wParam, std::int32_t& lParam) {
                           control->mCalls << QStringLiteral("%1 %2 %3 %4 %5")
                                                  .arg(tag, bBefore ? "before" : "after")
                                                  .arg(uMsg, 0, 16)
                                                  .arg(wParam)
                                                  .arg(lParam);
                       });
        WatchMessage(&owner, window, kEveryMessage, kWhenBefore | kWhenAfter);
    }
};

TEST(MessageHooksTest, PointerMovesAndLeavesArriveAsMessagesAroundTheControlsOwnHandling) {
    ShownForm shown;
    shown.Watch(shown.control, "control");
    QTest::mouseMove(&shown.form, QPoint(110, 75));  // enter the control from outside
    QTest::mouseMove(shown.control, QPoint(7, 8));
    QTest::mousePress(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    shown.control->mCalls.clear();
    QTest::mouseMove(shown.control, QPoint(9, 10));
    EXPECT_EQ(shown.control->mCalls, (QStringList{"control before 200 1 655369", "MouseMove 1 0 9 10",
                                                  "control after 200 1 655369"}));
    QTest::mouseRelease(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(9, 10));

    {
        // A leave reaches the hooks when it was asked for with the pointer over the control.
        ScopedPointerSource over({{}, [&](const QPoint&) -> QWidget* { return shown.control; }});
        TrackMouseLeave(shown.control);
    }
    shown.control->mCalls.clear();
    QTest::mouseMove(&shown.form, QPoint(100, 70));
    EXPECT_TRUE(shown.control->mCalls.contains("control after 2a3 0 0"))
        << shown.control->mCalls.join(", ").toStdString();

    // A hook that stops the move keeps it from the control's handler.
    QObject stopper;
    SubclassWindow(&stopper, shown.control, [](bool, bool& bHandled, auto&...) { bHandled = true; });
    WatchMessage(&stopper, shown.control, kWmMouseMove, kWhenBefore);
    shown.control->mCalls.clear();
    QTest::mouseMove(shown.control, QPoint(5, 5));
    EXPECT_TRUE(shown.control->mCalls.filter("MouseMove").isEmpty()) << shown.control->mCalls.join(", ").toStdString();
}

TEST(MessageHooksTest, OnlyTheFormTranslatesActivation) {
    ShownForm shown;
    shown.Watch(&shown.form, "form");
    shown.Watch(shown.control, "control");
    QWidget other;
    other.resize(30, 30);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    shown.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.form));
    QEvent change(QEvent::ActivationChange);
    QCoreApplication::sendEvent(shown.control, &change);

    const QStringList activation = shown.control->mCalls.filter(QRegularExpression("^\\w+ \\w+ (6|86) "));
    EXPECT_EQ(activation, (QStringList{"form before 86 0 0", "form after 86 0 0", "form before 6 0 0",
                                       "form after 6 0 0", "form before 86 1 0", "form after 86 1 0",
                                       "form before 6 1 0", "form after 6 1 0"}));
}

}  // namespace
}  // namespace tirnel
