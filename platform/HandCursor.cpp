#include "platform/HandCursor.h"

#include <QWidget>

namespace tirnel {

const QCursor& HandCursor() {
    static const QCursor kHand(Qt::PointingHandCursor);
    return kHand;
}

void ApplyHandCursor(QWidget& widget, bool handPointer) {
    if (handPointer)
        widget.setCursor(HandCursor());
    else
        widget.unsetCursor();
}

}  // namespace tirnel
