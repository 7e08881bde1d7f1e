#pragma once
// Focus moves for the arrow keys: to the previous or next control in tab order among the
// focusable controls of the same top-level window, wrapping round as the tab chain does.
// The move is queued: it runs after the current event returns, so the key's own handling
// (KeyDown included) sees the control still focused. A move queued for a control that is
// gone by then does nothing; with no other focusable control, focus stays where it is.

class QWidget;

namespace tirnel {

void MoveFocusToPrevious(QWidget* from);
void MoveFocusToNext(QWidget* from);

}  // namespace tirnel
