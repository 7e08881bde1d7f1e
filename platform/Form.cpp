#include "platform/Form.h"

#include "platform/LineWalk.h"
#include "platform/MessageHooks.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace tirnel {

Form::Form(QWidget* parent) : QWidget(parent) {
    mLayer = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    mLayer.fill(Qt::transparent);
}

Form::~Form() { UnloadControls(); }

std::vector<Control*> Form::Controls() const { return ControlsOnWindow(const_cast<Form*>(this)); }

void Form::Plot(int x, int y, QRgb pixel) {
    if (x < 0 || y < 0 || x >= mLayer.width() || y >= mLayer.height()) return;
    reinterpret_cast<QRgb*>(mLayer.scanLine(y))[x] = pixel;
}

void Form::Line(int x1, int y1, int x2, int y2, Color colour) {
    const QRgb pixel = ToQRgb(colour) | 0xFF000000u;
    WalkLine(QPoint(x1, y1), QPoint(x2, y2), mLayer.size(), [&](int x, int y) { Plot(x, y, pixel); });
    update();
}

void Form::Box(int x1, int y1, int x2, int y2, Color colour) {
    const QRgb pixel = ToQRgb(colour) | 0xFF000000u;
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    for (int x = left; x <= right; ++x) {
        Plot(x, top, pixel);
        Plot(x, bottom, pixel);
    }
    for (int y = top; y <= bottom; ++y) {
        Plot(left, y, pixel);
        Plot(right, y, pixel);
    }
    update();
}

void Form::Cls() {
    mLayer.fill(Qt::transparent);
    update();
}

AmbientProperties Form::AmbientFor(const Control& control) const {
    AmbientProperties ambient;
    ambient.UserMode = mUserMode;
    ambient.DisplayName = control.objectName();
    ambient.Font = mFont ? mFont->Clone() : FontObject::Create();
    ambient.BackColor = mBackColor;
    return ambient;
}

void Form::UnloadControls() {
    for (Control* control : Controls()) control->Unload();
}

void Form::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool Form::event(QEvent* event) {
    return RouteEvent(this, event, true, [this, event] { return QWidget::event(event); });
}

void Form::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& r : event->region()) painter.drawImage(r, mLayer, r);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (mLayer.size() == size()) return;
    // Keep what was drawn where it still fits.
    QImage grown(size(), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter painter(&grown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, mLayer);
    painter.end();
    mLayer = std::move(grown);
}

void Form::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) UnloadControls();
}

}  // namespace tirnel
