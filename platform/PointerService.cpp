#include "platform/PointerService.h"

#include <QApplication>
#include <QCursor>
#include <QRegion>
#include <QWidget>

namespace tirnel {

namespace {

PointerSource& CurrentSource() {
    static PointerSource source;
    return source;
}

bool HoldsPoint(const QWidget& widget, const QPoint& global) {
    const QPoint local = widget.mapFromGlobal(global);
    if (!widget.rect().contains(local)) return false;
    const QRegion mask = widget.mask();
    return mask.isEmpty() || mask.contains(local);
}

}  // namespace

QPoint CursorPosition() {
    const PointerSource& source = CurrentSource();
    return source.mCursorPosition ? source.mCursorPosition() : SystemCursorPosition();
}

QWidget* WindowFromPoint(const QPoint& global) {
    const PointerSource& source = CurrentSource();
    return source.mWindowFromPoint ? source.mWindowFromPoint(global) : SystemWindowFromPoint(global);
}

QPoint SystemCursorPosition() { return QCursor::pos(); }

QWidget* SystemWindowFromPoint(const QPoint& global) {
    QWidget* widget = QApplication::widgetAt(global);
    while (widget && !HoldsPoint(*widget, global)) widget = widget->isWindow() ? nullptr : widget->parentWidget();
    return widget;
}

PointerSource SetPointerSource(PointerSource source) {
    PointerSource previous = std::move(CurrentSource());
    CurrentSource() = std::move(source);
    return previous;
}

ScopedPointerSource::ScopedPointerSource(PointerSource source) : mPrevious(SetPointerSource(std::move(source))) {}

ScopedPointerSource::~ScopedPointerSource() { SetPointerSource(std::move(mPrevious)); }

}  // namespace tirnel
