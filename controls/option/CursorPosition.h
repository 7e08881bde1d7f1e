#pragma once
// Where the pointer is, in screen coordinates, as a control that polls for it asks. The
// system's pointer by default; a test hands the control a source of its own.

#include <QPoint>

#include <functional>

namespace tirnel {

using CursorPositionSource = std::function<QPoint()>;

// QCursor::pos().
QPoint SystemCursorPosition();

}  // namespace tirnel
