#pragma once
// The base of the custom controls: a widget that owns its drawing surface (kept between
// repaints and shown as it stands by the paint event), knows its container's ambient
// properties, announces changed properties, holds access keys and turns Qt's input and
// focus events into the handlers below with the platform's argument conventions
// (InputCodes.h). Coordinates are pixels; the extent set by a container is in twips.
//
// Lifecycle, as a forms host runs it: Create() (Initialize, InitProperties, Resize) for
// a new instance or Create(bag) (Initialize, ReadProperties, Resize) for a stored one;
// Save(bag) runs WriteProperties; Unload() runs Terminate once and removes the message
// hooks the control owns. A Form unloads its controls when it closes or is destroyed; a
// control made as a Hosted<T> (ControlSite.h) unloads itself when destroyed, so Terminate
// runs while the whole control still exists.

#include "platform/AccessibleFacts.h"
#include "platform/AmbientProperties.h"
#include "platform/PropertyBag.h"
#include "platform/Surface.h"

#include <QRegion>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QShortcut;

namespace tirnel {

class Control : public QWidget {
    Q_OBJECT
public:
    explicit Control(QWidget* parent = nullptr);
    ~Control() override;

    void Create();
    void Create(const PropertyBag& bag);
    void Save(PropertyBag& bag);
    void Unload();
    bool IsCreated() const { return mCreated; }
    bool IsUnloaded() const { return mUnloaded; }

    // The container's ambient properties. Setting them after creation runs
    // UserControl_AmbientChanged once for each property that changed.
    const AmbientProperties& Ambient() const { return mAmbient; }
    void SetAmbient(const AmbientProperties& ambient);

    // Whether the control can be a default button: one that takes Enter itself when it has
    // the focus and then shows itself as the default (DisplayAsDefault) in place of the
    // form's default button. A change is announced (DefaultCapableChanged) to the form.
    bool DefaultCapable() const { return mDefaultCapable; }
    void DefaultCapable(bool vNewValue);

    // Tells the container that a property changed (PropertyAnnounced).
    void PropertyChanged(const QString& PropertyName);

    // The surface the control draws on. Taking it for writing schedules a repaint of the
    // widget, so the screen follows the surface once pending events run.
    Surface& DrawingSurface();
    const Surface& DrawingSurface() const { return mSurface; }
    // The device pixel ratio the surface is kept at: the screen's, fractional ones as they are
    // (the widget shows the surface one to one on the screen's pixels), or the one given here
    // in its place (the renderer, tests); nothing gives it back to the screen. A created
    // control whose ratio changes runs its size-change handler, where the controls repaint.
    void UseDeviceRatio(std::optional<double> ratio);
    // The client size in pixels.
    float ScaleWidth() const { return static_cast<float>(width()); }
    float ScaleHeight() const { return static_cast<float>(height()); }

    // The extent as the container sets it, in twips, remembered as TwipsGeometry.h says;
    // the widget takes the nearest whole pixels and the size-change handler runs at once,
    // shown or not.
    int Width() const;
    int Height() const;
    void Width(int twips);
    void Height(int twips);
    void Move(int leftTwips, int topTwips, int widthTwips, int heightTwips);

    // Shows the surface on screen now.
    void Refresh();
    // Gives the window a shape that clips its painting and hit-testing: only the pixels of
    // the region show and take the pointer, so an empty region shows nothing and lets every
    // click through to what lies under the window. True when the window took the shape,
    // which it always does here.
    bool SetWindowRgn(const QRegion& region, bool redraw = true);
    // Takes the shape away: the whole rectangle shows and takes the pointer again.
    void ClearWindowRgn(bool redraw = true);
    // The window's shape; nothing when it has none (the whole rectangle).
    const std::optional<QRegion>& WindowShape() const { return mShape; }

    // The control's own enabled flag; a disabled control gets no mouse or key input. A
    // control with an Enabled property of its own overrides both.
    virtual std::int16_t Enabled() const;
    virtual void Enabled(std::int16_t vNewValue);

    // The container's tag for this instance.
    QString Tag() const { return mTag; }
    void Tag(const QString& vNewValue) { mTag = vNewValue; }

    // Each character is an access key: Alt with it, anywhere in the window, runs
    // UserControl_AccessKeyPress with that character.
    QString AccessKeys() const { return mAccessKeys; }
    void AccessKeys(const QString& vNewValue);
    // Runs UserControl_AccessKeyPress when the control is enabled and shown: for its access
    // keys, and for Enter (13) and Escape (27) the form routes to its default and cancel
    // buttons.
    void AccessKeyPress(int KeyAscii);

    // The cursor over the control by the platform's numbers: 0 default, 1 arrow, 2 cross,
    // 3 I-beam, 5 and 15 size all, 6 to 9 the four sizing arrows (NE-SW, N-S, NW-SE, W-E),
    // 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and question
    // mark, 99 the MouseIcon picture. Other numbers are kept and show the default cursor.
    std::int16_t MousePointer() const { return mMousePointer; }
    void MousePointer(std::int16_t vNewValue);
    PictureRef MouseIcon() const { return mMouseIcon; }
    void MouseIcon(PictureRef vNewValue);

    // What assistive technology is told of the control beyond what Qt knows of any widget
    // (AccessibleFacts.h): nothing, unless the control says more. Whenever the control shows
    // a change, assistive technology is told what changed in these facts.
    virtual AccessibleFacts Accessible() const { return {}; }

    // The control's window and the window of the form that holds it.
    QWidget* hWnd() { return this; }
    QWidget* ContainerWindow() const { return window(); }

signals:
    void PropertyAnnounced(const QString& PropertyName);
    void DefaultCapableChanged();

protected:
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag& /*PropBag*/) {}
    virtual void UserControl_WriteProperties(PropertyBag& /*PropBag*/) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Terminate() {}
    virtual void UserControl_AmbientChanged(const QString& /*PropertyName*/) {}

    virtual void UserControl_MouseDown(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(int /*KeyCode*/, int /*Shift*/) {}
    virtual void UserControl_KeyUp(int /*KeyCode*/, int /*Shift*/) {}
    virtual void UserControl_KeyPress(int /*KeyAscii*/) {}
    virtual void UserControl_AccessKeyPress(int /*KeyAscii*/) {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}

    // While a key handler runs: whether the key press is one a held key repeats.
    bool KeyRepeating() const { return mKeyRepeating; }

    // Runs pointer moves and leaves through the window's message hooks (HookedEvents.h), and
    // performs the actions assistive technology posts (AccessibleAction.h).
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Begin();
    void DispatchResize(bool force);
    void SyncSurfaceSize();
    void FollowDeviceRatio();
    void ApplyCursor();
    void WatchFocus(QWidget* old, QWidget* now);
    bool HitsShape(const QPointF& position) const;

    Surface mSurface;
    std::optional<double> mDeviceRatio;
    AmbientProperties mAmbient;
    QString mTag;
    QString mAccessKeys;
    std::vector<QShortcut*> mAccessShortcuts;
    std::int16_t mMousePointer = 0;
    PictureRef mMouseIcon;
    std::optional<QRegion> mShape;
    AccessibleAnnouncer mAnnouncer;

    bool mCreated = false;
    bool mUnloaded = false;
    bool mDefaultCapable = false;
    QSize mResizedTo{-1, -1};

    Qt::MouseButton mPressedButton = Qt::NoButton;  // the press a release would make a click of
    bool mInDoubleClick = false;
    bool mKeyRepeating = false;
    bool mGotFocus = false;
    bool mFocusInside = false;
    QMetaObject::Connection mFocusWatch;
};

}  // namespace tirnel
