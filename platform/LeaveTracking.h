#pragma once
// Leave notices (TrackMouseEvent with the leave flag). A request asks for one 0x2A3 through
// the hooks of a window; the notice disarms the request, so a window wanting the next leave
// asks again. A request made while the pointer (through the pointer service) is over
// neither the window nor one of its children is answered at once: one 0x2A3 is posted to
// the window's hooks, to arrive after the message being handled now. Otherwise the next Qt
// leave of the window delivers it. Without a request a Qt leave reaches the window's own
// handling only.

class QWidget;

namespace tirnel {

// Whether leave notices can be asked for: always here; tests switch it off to see a
// control that has to do without.
bool LeaveTrackingAvailable();
void SetLeaveTrackingAvailable(bool available);

// Asks for the next leave of window. False, and nothing asked, when tracking is not
// available or window is null.
bool TrackMouseLeave(QWidget* window);

// For the translation of Qt's leave: whether a request stands for window; it is taken
// away by the answer.
bool TakeLeaveRequest(const QWidget* window);

}  // namespace tirnel
