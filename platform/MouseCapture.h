#pragma once
// The pointer held by one window (SetCapture, ReleaseCapture, GetCapture) over Qt's mouse
// grab. One window holds it at a time; taking it for another window releases the first.
// A window that is destroyed lets it go, and so does a window that loses Qt's grab to
// someone else: GetCapture then answers null, never a window that is gone.

class QWidget;

namespace tirnel {

// Gives the pointer to window; returns the window that held it before, or null. A null
// window releases it.
QWidget* SetCapture(QWidget* window);
// Releases the pointer, whoever holds it; false when nobody did.
bool ReleaseCapture();
// The window holding the pointer, or null.
QWidget* GetCapture();
// Releases the pointer only when window holds it: for the host at focus loss and
// deactivation. True when it did.
bool ReleaseCaptureOf(const QWidget* window);

}  // namespace tirnel
