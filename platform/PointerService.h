#pragma once
// Where the pointer is and which window lies under a point, both in screen coordinates
// (GetCursorPos, WindowFromPoint). The system answers unless a source was set: tests and
// the renderer put a pointer of their own in its place.

#include <QPoint>

#include <functional>

class QWidget;

namespace tirnel {

using CursorPositionSource = std::function<QPoint()>;
using WindowFromPointSource = std::function<QWidget*(const QPoint& global)>;

// A member left empty is answered by the system.
struct PointerSource {
    CursorPositionSource mCursorPosition;
    WindowFromPointSource mWindowFromPoint;
};

// The pointer's position through the current source.
QPoint CursorPosition();
// The window under a point through the current source; null over no window of ours.
QWidget* WindowFromPoint(const QPoint& global);

// QCursor::pos().
QPoint SystemCursorPosition();
// The innermost visible widget whose rectangle and mask hold the point: a widget whose
// mask leaves the point out is passed over for its parent, a window whose mask leaves it
// out gives null.
QWidget* SystemWindowFromPoint(const QPoint& global);

// Puts source in place; returns the one it replaces.
PointerSource SetPointerSource(PointerSource source);

// A source in place for the lifetime of the object; the previous one comes back after.
class ScopedPointerSource {
public:
    explicit ScopedPointerSource(PointerSource source);
    ~ScopedPointerSource();
    ScopedPointerSource(const ScopedPointerSource&) = delete;
    ScopedPointerSource& operator=(const ScopedPointerSource&) = delete;

private:
    PointerSource mPrevious;
};

}  // namespace tirnel
