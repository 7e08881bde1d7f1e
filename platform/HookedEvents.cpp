#include "platform/HookedEvents.h"

#include "platform/LeaveTracking.h"
#include "platform/MessageHooks.h"

#include <QEvent>
#include <QMouseEvent>

#include <cmath>

namespace tirnel {

namespace {

std::int32_t PointerKeys(const QMouseEvent& event) {
    std::int32_t keys = 0;
    if (event.buttons() & Qt::LeftButton) keys |= kMkLButton;
    if (event.buttons() & Qt::RightButton) keys |= kMkRButton;
    if (event.buttons() & Qt::MiddleButton) keys |= kMkMButton;
    if (event.modifiers() & Qt::ShiftModifier) keys |= kMkShift;
    if (event.modifiers() & Qt::ControlModifier) keys |= kMkControl;
    return keys;
}

std::int32_t PointerPosition(const QMouseEvent& event) {
    const auto x = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(event.position().x())));
    const auto y = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(event.position().y())));
    return static_cast<std::int32_t>((x & 0xFFFFu) | (y & 0xFFFFu) << 16);
}

}  // namespace

bool SendEventThroughHooks(QWidget* window, QEvent* event, std::int32_t uMsg, std::int32_t wParam,
                           std::int32_t lParam, const std::function<bool()>& ownHandling) {
    if (!IsHooked(window)) return ownHandling();
    bool ran = false;
    bool handled = false;
    SendThroughHooks(window, uMsg, wParam, lParam, [&](std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
        ran = true;
        handled = ownHandling();
        return std::int32_t{0};
    });
    if (ran) return handled;
    event->accept();
    return true;
}

bool RoutePointerEvent(QWidget* window, QEvent* event, const std::function<bool()>& ownHandling) {
    if (event->type() == QEvent::MouseMove) {
        const auto& move = static_cast<const QMouseEvent&>(*event);
        return SendEventThroughHooks(window, event, kWmMouseMove, PointerKeys(move), PointerPosition(move),
                                     ownHandling);
    }
    // A leave becomes 0x2A3 only when one was asked for; the question takes the request.
    if (event->type() == QEvent::Leave && IsHooked(window) && TakeLeaveRequest(window))
        return SendEventThroughHooks(window, event, kWmMouseLeave, 0, 0, ownHandling);
    return ownHandling();
}

}  // namespace tirnel
