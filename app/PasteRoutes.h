#pragma once
// The ways a user pastes into a line edit, each handed to one function instead of the box
// inserting the text itself: Ctrl+V and Shift+Insert (the clipboard's text), a click of the
// middle button (the selection's, where the system keeps one) and Paste in the box's context
// menu, which is shown from here for that.

#include <QString>

#include <functional>

class QEvent;
class QLineEdit;

namespace tirnel {

using PasteHandler = std::function<void(const QString& text)>;

// For an event filter of box: true when the event was a paste, now handed to paste, or the
// request for the context menu, now shown with its Paste handing to paste; the filter then
// takes the event. False for any other event, and for every event of a read-only box.
bool RoutePaste(QLineEdit* box, QEvent* event, const PasteHandler& paste);

}  // namespace tirnel
