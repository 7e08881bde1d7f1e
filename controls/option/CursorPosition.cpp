#include "controls/option/CursorPosition.h"

#include <QCursor>

namespace tirnel {

QPoint SystemCursorPosition() { return QCursor::pos(); }

}  // namespace tirnel
