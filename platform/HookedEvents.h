#pragma once
// Qt events as the messages a window's hooks see (MessageHooks.h), for event() of a window
// that takes hooks.
//
// A pointer move is 0x200 with lParam = x | y << 16 (16 bits each, in the window's pixels)
// and wParam the held buttons and keys, 1 left, 2 right, 0x10 middle, 4 Shift, 8 Ctrl. The
// pointer leaving is 0x2A3, but only when the window asked for its next leave
// (TrackMouseLeave, LeaveTracking.h); any other leave goes to the window's own handling
// directly. A Form translates its activation itself (Form.h). Every other event goes to the
// window's own handling directly, as does every event of a window without hooks.
//
// The window's own handling of a translated message is the Qt event's own handling, which
// handles the event as it came, whatever a hook made of the message.

#include <cstdint>
#include <functional>

class QEvent;
class QWidget;

namespace tirnel {

// Runs one message translated from event through the window's hooks, with ownHandling as
// the window's own handling, and returns its result; a window without hooks just runs it.
// An event a hook stopped counts as handled and goes no further, not to the parent either.
bool SendEventThroughHooks(QWidget* window, QEvent* event, std::int32_t uMsg, std::int32_t wParam,
                           std::int32_t lParam, const std::function<bool()>& ownHandling);

// Pointer moves and asked-for leaves through the hooks; any other event to ownHandling.
bool RoutePointerEvent(QWidget* window, QEvent* event, const std::function<bool()>& ownHandling);

}  // namespace tirnel
