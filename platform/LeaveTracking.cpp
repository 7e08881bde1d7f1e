#include "platform/LeaveTracking.h"

#include "platform/MessageHooks.h"
#include "platform/PointerService.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

#include <unordered_map>

namespace tirnel {

namespace {

struct LeaveRequests {
    bool mAvailable = true;
    // Armed windows; the connection forgets a window when it is destroyed.
    std::unordered_map<const QObject*, QMetaObject::Connection> mArmed;
};

// Never destroyed: a window may still go after static objects are gone.
LeaveRequests& Requests() {
    static auto* requests = new LeaveRequests;
    return *requests;
}

void Arm(QWidget* window) {
    auto& armed = Requests().mArmed;
    if (armed.count(window)) return;
    armed[window] = QObject::connect(window, &QObject::destroyed,
                                     [](QObject* gone) { Requests().mArmed.erase(gone); });
}

bool PointerIsOver(const QWidget* window) {
    const QWidget* under = WindowFromPoint(CursorPosition());
    return under && (under == window || window->isAncestorOf(under));
}

void PostLeave(QWidget* window) {
    QMetaObject::invokeMethod(
        window,
        [window] {
            SendThroughHooks(window, kWmMouseLeave, 0, 0,
                             [](std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return std::int32_t{0}; });
        },
        Qt::QueuedConnection);
}

}  // namespace

bool LeaveTrackingAvailable() { return Requests().mAvailable; }

void SetLeaveTrackingAvailable(bool available) { Requests().mAvailable = available; }

bool TrackMouseLeave(QWidget* window) {
    if (!window || !LeaveTrackingAvailable()) return false;
    if (PointerIsOver(window)) {
        Arm(window);
    } else {
        TakeLeaveRequest(window);
        PostLeave(window);
    }
    return true;
}

bool TakeLeaveRequest(const QWidget* window) {
    auto& armed = Requests().mArmed;
    const auto found = armed.find(window);
    if (found == armed.end()) return false;
    QObject::disconnect(found->second);
    armed.erase(found);
    return true;
}

}  // namespace tirnel
