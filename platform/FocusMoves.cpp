#include "platform/FocusMoves.h"

#include <QMetaObject>
#include <QWidget>

namespace tirnel {

namespace {

// A control the tab chain would stop at in `window`.
bool TakesTabFocus(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
           widget->isEnabled() && widget->isVisibleTo(window);
}

void MoveFocus(QWidget* from, bool forward) {
    QMetaObject::invokeMethod(
        from,
        [from, forward] {
            const QWidget* window = from->window();
            for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
                 w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
                if (TakesTabFocus(w, window)) {
                    w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                    return;
                }
            }
        },
        Qt::QueuedConnection);
}

}  // namespace

void MoveFocusToPrevious(QWidget* from) { MoveFocus(from, false); }

void MoveFocusToNext(QWidget* from) { MoveFocus(from, true); }

}  // namespace tirnel
