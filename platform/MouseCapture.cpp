#include "platform/MouseCapture.h"

#include <QPointer>
#include <QWidget>

namespace tirnel {

namespace {

// A destroyed window clears itself from here, and Qt drops its grab as it goes.
QPointer<QWidget>& Captured() {
    static QPointer<QWidget> captured;
    return captured;
}

}  // namespace

QWidget* GetCapture() {
    QPointer<QWidget>& captured = Captured();
    if (captured && QWidget::mouseGrabber() != captured) captured = nullptr;
    return captured;
}

QWidget* SetCapture(QWidget* window) {
    QWidget* previous = GetCapture();
    if (!window) {
        ReleaseCapture();
        return previous;
    }
    if (previous == window) return previous;
    if (previous) previous->releaseMouse();
    window->grabMouse();
    Captured() = window;
    return previous;
}

bool ReleaseCapture() {
    QWidget* holder = GetCapture();
    Captured() = nullptr;
    if (!holder) return false;
    holder->releaseMouse();
    return true;
}

bool ReleaseCaptureOf(const QWidget* window) {
    if (!window || GetCapture() != window) return false;
    return ReleaseCapture();
}

}  // namespace tirnel
