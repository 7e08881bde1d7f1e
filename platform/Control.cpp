#include "platform/Control.h"

#include "platform/AccessibleAction.h"
#include "platform/HookedEvents.h"
#include "platform/InputCodes.h"
#include "platform/MessageHooks.h"
#include "platform/MouseCapture.h"
#include "platform/TwipsGeometry.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>

namespace tirnel {

namespace {

// The character a key press types, as the key-press handler takes it; 0 for none.
int KeyAsciiOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (!text.isEmpty()) return text.at(0).unicode();
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return kKeyEnter;
        case Qt::Key_Escape: return kKeyEscape;
        case Qt::Key_Backspace: return kKeyBack;
        default: return 0;
    }
}

// Cursor shapes by the platform's pointer numbers 1 to 15.
constexpr Qt::CursorShape kPointerShapes[] = {
    Qt::ArrowCursor,     Qt::CrossCursor,    Qt::IBeamCursor,     Qt::ArrowCursor,  Qt::SizeAllCursor,
    Qt::SizeBDiagCursor, Qt::SizeVerCursor,  Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,
    Qt::WaitCursor,      Qt::ForbiddenCursor, Qt::BusyCursor,     Qt::WhatsThisCursor, Qt::SizeAllCursor,
};
constexpr std::int16_t kCustomPointer = 99;

}  // namespace

Control::Control(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    AcceptHooks(this);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        mFocusWatch = connect(app, &QApplication::focusChanged, this, &Control::WatchFocus);
}

// The widget part still runs focus changes while it goes; they must not reach this part.
// By now only this part is left, so a control that was not unloaded runs no Terminate of a
// derived class here (Hosted<T> does that first); its hooks go all the same.
Control::~Control() {
    disconnect(mFocusWatch);
    Unload();
    UnsubclassAll(this);
}

void Control::Begin() {
    SyncSurfaceSize();
    if (mAmbient.DisplayName.isEmpty()) mAmbient.DisplayName = objectName();
    UserControl_Initialize();
}

void Control::Create() {
    if (mCreated) return;
    Begin();
    UserControl_InitProperties();
    mCreated = true;
    DispatchResize(true);
}

void Control::Create(const PropertyBag& bag) {
    if (mCreated) return;
    Begin();
    UserControl_ReadProperties(bag);
    mCreated = true;
    DispatchResize(true);
}

void Control::Save(PropertyBag& bag) { UserControl_WriteProperties(bag); }

void Control::Unload() {
    if (!mCreated || mUnloaded) return;
    mUnloaded = true;
    UserControl_Terminate();
    UnsubclassAll(this);
    ReleaseCaptureOf(this);
}

void Control::DefaultCapable(bool vNewValue) {
    if (mDefaultCapable == vNewValue) return;
    mDefaultCapable = vNewValue;
    emit DefaultCapableChanged();
}

void Control::SetAmbient(const AmbientProperties& ambient) {
    const AmbientProperties old = mAmbient;
    mAmbient = ambient;
    if (!mCreated || mUnloaded) return;
    const bool sameFont = old.Font == ambient.Font || (old.Font && ambient.Font && old.Font->SameAs(*ambient.Font));
    if (old.UserMode != ambient.UserMode) UserControl_AmbientChanged(QStringLiteral("UserMode"));
    if (old.DisplayName != ambient.DisplayName) UserControl_AmbientChanged(QStringLiteral("DisplayName"));
    if (!sameFont) UserControl_AmbientChanged(QStringLiteral("Font"));
    if (old.BackColor != ambient.BackColor) UserControl_AmbientChanged(QStringLiteral("BackColor"));
    if (old.ForeColor != ambient.ForeColor) UserControl_AmbientChanged(QStringLiteral("ForeColor"));
    if (old.DisplayAsDefault != ambient.DisplayAsDefault) UserControl_AmbientChanged(QStringLiteral("DisplayAsDefault"));
}

void Control::PropertyChanged(const QString& PropertyName) { emit PropertyAnnounced(PropertyName); }

Surface& Control::DrawingSurface() {
    update();
    return mSurface;
}

int Control::Width() const { return TwipsGeometryOf(this).width; }

int Control::Height() const { return TwipsGeometryOf(this).height; }

void Control::Width(int twips) {
    const TwipsRect r = TwipsGeometryOf(this);
    Move(r.left, r.top, twips, r.height);
}

void Control::Height(int twips) {
    const TwipsRect r = TwipsGeometryOf(this);
    Move(r.left, r.top, r.width, twips);
}

void Control::Move(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    PlaceInTwips(this, {leftTwips, topTwips, widthTwips, heightTwips});
    // A hidden widget hears of its new size only when shown; the handler runs now.
    DispatchResize(false);
}

void Control::Refresh() {
    if (isVisible()) repaint();
}

bool Control::SetWindowRgn(const QRegion& region, bool redraw) {
    mShape = region;
    // Qt takes an empty mask for none: a mask wholly outside the widget shows none of it.
    setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
    if (redraw) update();
    return true;
}

void Control::ClearWindowRgn(bool redraw) {
    mShape.reset();
    clearMask();
    if (redraw) update();
}

std::int16_t Control::Enabled() const { return ToBoolean(!testAttribute(Qt::WA_ForceDisabled)); }

void Control::Enabled(std::int16_t vNewValue) { setEnabled(IsTrue(vNewValue)); }

void Control::AccessKeys(const QString& vNewValue) {
    mAccessKeys = vNewValue;
    for (QShortcut* shortcut : mAccessShortcuts) delete shortcut;
    mAccessShortcuts.clear();
    for (const QChar key : vNewValue) {
        if (key.isSpace()) continue;
        const int keyAscii = key.unicode();
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(key.toUpper().unicode())), this);
        shortcut->setContext(Qt::WindowShortcut);
        const auto press = [this, keyAscii] { AccessKeyPress(keyAscii); };
        connect(shortcut, &QShortcut::activated, this, press);
        connect(shortcut, &QShortcut::activatedAmbiguously, this, press);
        mAccessShortcuts.push_back(shortcut);
    }
}

void Control::AccessKeyPress(int KeyAscii) {
    if (isEnabled() && isVisible()) UserControl_AccessKeyPress(KeyAscii);
}

void Control::MousePointer(std::int16_t vNewValue) {
    mMousePointer = vNewValue;
    ApplyCursor();
}

void Control::MouseIcon(PictureRef vNewValue) {
    mMouseIcon = std::move(vNewValue);
    ApplyCursor();
}

void Control::ApplyCursor() {
    if (mMousePointer >= 1 && mMousePointer <= 15) {
        setCursor(kPointerShapes[mMousePointer - 1]);
    } else if (mMousePointer == kCustomPointer && !IsEmptyPicture(mMouseIcon)) {
        setCursor(QCursor(QPixmap::fromImage(mMouseIcon->Image())));
    } else {
        unsetCursor();
    }
}

void Control::SyncSurfaceSize() {
    mSurface.SetDeviceRatio(mDeviceRatio.value_or(devicePixelRatio()));
    if (mSurface.Width() != width() || mSurface.Height() != height()) mSurface.Resize(width(), height());
}

void Control::UseDeviceRatio(std::optional<double> ratio) {
    mDeviceRatio = ratio;
    FollowDeviceRatio();
}

void Control::FollowDeviceRatio() {
    const double before = mSurface.DeviceRatio();
    SyncSurfaceSize();
    if (mSurface.DeviceRatio() != before) DispatchResize(true);
}

void Control::DispatchResize(bool force) {
    SyncSurfaceSize();
    if (!mCreated || mUnloaded) return;
    if (!force && size() == mResizedTo) return;
    mResizedTo = size();
    UserControl_Resize();
}

bool Control::HitsShape(const QPointF& position) const {
    const QPoint point = position.toPoint();
    if (!rect().contains(point)) return false;
    return !mShape || mShape->contains(point);
}

bool Control::event(QEvent* event) {
    // A window shown, or moved to another screen, may have another device pixel ratio.
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal) FollowDeviceRatio();
    if (event->type() == AccessibleActionEvent::Kind()) {
        static_cast<AccessibleActionEvent*>(event)->Perform();
        return true;
    }
    return RoutePointerEvent(this, event, [this, event] { return QWidget::event(event); });
}

void Control::paintEvent(QPaintEvent* /*event*/) {
    mAnnouncer.Announce(this, [this] { return Accessible(); });
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // The device pixels over the widget's own pixels: one to one on a screen of the surface's
    // ratio. The paint event's region clips.
    const QImage& image = mSurface.Image();
    const qreal ratio = mSurface.DeviceRatio();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
}

void Control::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DispatchResize(false);
}

void Control::mousePressEvent(QMouseEvent* event) {
    mPressedButton = event->button();
    UserControl_MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                          static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

void Control::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second left press within the double-click time is reported as a double click
    // alone; its release brings MouseUp and no Click. Other buttons press as usual.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    mPressedButton = Qt::NoButton;
    mInDoubleClick = true;
    UserControl_DblClick();
}

void Control::mouseMoveEvent(QMouseEvent* event) {
    UserControl_MouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                          static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
}

void Control::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && mPressedButton == Qt::LeftButton && !mInDoubleClick &&
                       HitsShape(event->position());
    if (event->button() == mPressedButton) mPressedButton = Qt::NoButton;
    if (event->button() == Qt::LeftButton) mInDoubleClick = false;
    UserControl_MouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                        static_cast<float>(event->position().x()), static_cast<float>(event->position().y()));
    if (click) UserControl_Click();
}

void Control::keyPressEvent(QKeyEvent* event) {
    const int shift = ShiftCode(event->modifiers());
    mKeyRepeating = event->isAutoRepeat();
    UserControl_KeyDown(VirtualKeyCode(event->key()), shift);
    const int keyAscii = KeyAsciiOf(*event);
    if (keyAscii != 0) UserControl_KeyPress(keyAscii);
    mKeyRepeating = false;
}

void Control::keyReleaseEvent(QKeyEvent* event) {
    // The platform reports a held key as repeated key-downs and one key-up at the end.
    if (event->isAutoRepeat()) return;
    UserControl_KeyUp(VirtualKeyCode(event->key()), ShiftCode(event->modifiers()));
}

void Control::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!mFocusInside) {
        mFocusInside = true;
        UserControl_EnterFocus();
    }
    if (!mGotFocus) {
        mGotFocus = true;
        UserControl_GotFocus();
    }
}

void Control::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // A control that took the pointer never keeps it past its focus.
    ReleaseCaptureOf(this);
    // Switching to another window or opening a menu keeps the focus where it is.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    if (mGotFocus) {
        mGotFocus = false;
        UserControl_LostFocus();
    }
}

void Control::WatchFocus(QWidget* old, QWidget* now) {
    (void)old;
    if (!now) return;  // the window was deactivated
    const bool inside = now == this || isAncestorOf(now);
    if (inside && !mFocusInside) {
        mFocusInside = true;
        UserControl_EnterFocus();
    } else if (!inside && mFocusInside) {
        if (mGotFocus) {  // focus moved on while this window was inactive
            mGotFocus = false;
            UserControl_LostFocus();
        }
        mFocusInside = false;
        UserControl_ExitFocus();
    }
}

}  // namespace tirnel
