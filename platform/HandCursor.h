#pragma once
// The hand a control shows over itself while its HandPointer property is True (the system
// hand cursor, IDC_HAND). It is made when first asked for and is always there: where the
// desktop's cursor theme has no hand, Qt's own pointing-hand shape stands in, so a control
// never has to give up HandPointer for want of a cursor.

#include <QCursor>

class QWidget;

namespace tirnel {

// The pointing hand.
const QCursor& HandCursor();

// Shows the hand over widget while handPointer is true; otherwise the widget goes back to the
// cursor it inherits from its parent.
void ApplyHandCursor(QWidget& widget, bool handPointer);

}  // namespace tirnel
