#include "platform/Form.h"

#include "platform/HookedEvents.h"
#include "platform/InputCodes.h"
#include "platform/LineWalk.h"
#include "platform/MessageHooks.h"
#include "platform/MouseCapture.h"
#include "platform/WindowControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace tirnel {

// Sees every key press of the application before the focused widget does and hands the
// form's Enter and Escape to it.
class DefaultKeyFilter : public QObject {
public:
    explicit DefaultKeyFilter(Form* form) : QObject(form), mForm(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return mForm->RouteDefaultKey(watched, event) || QObject::eventFilter(watched, event);
    }

private:
    Form* mForm;
};

Form::Form(QWidget* parent) : QWidget(parent) {
    mLayer = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    mLayer.fill(Qt::transparent);
    AcceptHooks(this);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        mKeyFilter = new DefaultKeyFilter(this);
        app->installEventFilter(mKeyFilter);
        mFocusWatch = connect(app, &QApplication::focusChanged, this, &Form::FocusChanged);
    }
}

// The widget part still moves the focus while its children go; this part is gone by then.
Form::~Form() {
    disconnect(mFocusWatch);
    delete mKeyFilter;
    UnloadControls();
}

std::vector<Control*> Form::Controls() const { return ControlsOnWindow(const_cast<Form*>(this)); }

// The focus moving inside another window (a dialog of this one, its completion list) changes
// nothing here. A widget that is being destroyed still knows the window it is on.
void Form::FocusChanged(QWidget* old, QWidget* now) {
    const auto onThisWindow = [this](const QWidget* widget) { return widget && widget->window() == this; };
    if (onThisWindow(old) || onThisWindow(now)) ShowDefault();
}

void Form::Plot(int x, int y, QRgb pixel) {
    if (x < 0 || y < 0 || x >= mLayer.width() || y >= mLayer.height()) return;
    reinterpret_cast<QRgb*>(mLayer.scanLine(y))[x] = pixel;
}

void Form::Line(int x1, int y1, int x2, int y2, Color color) {
    const QRgb pixel = ToQRgb(color) | 0xFF000000u;
    WalkLine(QPoint(x1, y1), QPoint(x2, y2), mLayer.size(), [&](int x, int y) { Plot(x, y, pixel); });
    update();
}

void Form::Box(int x1, int y1, int x2, int y2, Color color) {
    const QRgb pixel = ToQRgb(color) | 0xFF000000u;
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
    ambient.DisplayAsDefault = ToBoolean(&control == ShownDefault());
    return ambient;
}

void Form::BackColor(Color vNewValue) {
    mBackColor = vNewValue;
    for (Control* control : Controls()) {
        AmbientProperties ambient = control->Ambient();
        ambient.BackColor = vNewValue;
        control->SetAmbient(ambient);
    }
}

void Form::DefaultButton(Control* vNewValue) {
    mDefaultButton = vNewValue;
    ShowDefault();
}

Control* Form::FocusedControl() const {
    for (QWidget* widget = focusWidget(); widget && widget != this; widget = widget->parentWidget())
        if (auto* control = qobject_cast<Control*>(widget)) return control->window() == this ? control : nullptr;
    return nullptr;
}

Control* Form::ShownDefault() const {
    Control* focused = FocusedControl();
    if (focused && focused->DefaultCapable()) return focused;
    return mDefaultButton;
}

// Hears from each control it walks when the control's DefaultCapable changes. That matters
// only for the focused control, and the focus reaching it made such a walk.
void Form::ShowDefault() {
    const Control* shown = ShownDefault();
    for (Control* control : Controls()) {
        connect(control, &Control::DefaultCapableChanged, this, &Form::ShowDefault, Qt::UniqueConnection);
        const std::int16_t isDefault = ToBoolean(control == shown);
        if (control->Ambient().DisplayAsDefault == isDefault) continue;
        AmbientProperties ambient = control->Ambient();
        ambient.DisplayAsDefault = isDefault;
        control->SetAmbient(ambient);
    }
}

bool Form::RouteDefaultKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape) return false;
    const Control* focused = FocusedControl();
    if (focused && focused->DefaultCapable()) return false;
    Control* button = enter ? mDefaultButton.data() : mCancelButton.data();
    if (!button) return false;
    // A held key presses the button once.
    if (!keyEvent->isAutoRepeat()) button->AccessKeyPress(enter ? kKeyEnter : kKeyEscape);
    return true;
}

void Form::UnloadControls() {
    for (Control* control : Controls()) control->Unload();
}

void Form::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool Form::event(QEvent* event) {
    const auto own = [this, event] { return QWidget::event(event); };
    const QEvent::Type type = event->type();
    if (type != QEvent::WindowActivate && type != QEvent::WindowDeactivate) return RoutePointerEvent(this, event, own);
    // A control of a window that goes inactive lets the pointer go.
    if (type == QEvent::WindowDeactivate)
        for (Control* control : Controls()) ReleaseCaptureOf(control);
    // Activation: 0x86, which has no handling of its own here (it comes back with 1), then
    // 0x6, whose own handling is the Qt event's; wParam 1 activated, 0 deactivated.
    const std::int32_t active = type == QEvent::WindowActivate ? 1 : 0;
    SendThroughHooks(this, kWmNcActivate, active, 0,
                     [](std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return std::int32_t{1}; });
    return SendEventThroughHooks(this, event, kWmActivate, active, 0, own);
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
