#pragma once
// The top-level window the controls sit on. It finds its controls at any depth of
// containers, keeps a drawing layer of its own (lines and unfilled rectangles drawn on
// the window stay there across repaints, under the child widgets), tells each control
// the ambient properties it offers and each change of them, has a default and a cancel
// button, lets pending events run, and unloads its controls when it closes or goes away.
//
// DisplayAsDefault is True for one control at most: the focused control when it can be a
// default button, otherwise the default button. Enter and Escape pressed anywhere in the
// window, unless the focused control can be a default button, reach the default and the
// cancel button as their access-key presses 13 and 27 instead of the focused widget; a held
// key presses once. When the window goes inactive its controls let go of the pointer.

#include "platform/AmbientProperties.h"
#include "platform/Colors.h"
#include "platform/Control.h"
#include "platform/FontObject.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace tirnel {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Every control inside the window, containers searched depth first in child order
    // (WindowControls.h).
    std::vector<Control*> Controls() const;
    // Those of one control class.
    template <typename T>
    std::vector<T*> ControlsOf() const {
        std::vector<T*> found;
        for (Control* control : Controls())
            if (auto* t = dynamic_cast<T*>(control)) found.push_back(t);
        return found;
    }

    // The drawing layer, in pixels of the client area. A line leaves out its end point;
    // a box outlines the rectangle whose opposite corners, both included, are given.
    void Line(int x1, int y1, int x2, int y2, Color color);
    void Box(int x1, int y1, int x2, int y2, Color color);
    // Clears the layer.
    void Cls();
    const QImage& DrawingLayer() const { return mLayer; }

    // What this window offers a control as its ambient properties: its user mode, font
    // (a copy per control), colours, the control's object name as display name and whether
    // it shows as the default button.
    AmbientProperties AmbientFor(const Control& control) const;
    std::int16_t UserMode() const { return mUserMode; }
    void UserMode(std::int16_t vNewValue) { mUserMode = vNewValue; }
    FontRef Font() const { return mFont; }
    void Font(FontRef vNewValue) { mFont = std::move(vNewValue); }
    // A new colour reaches every control as an ambient change.
    Color BackColor() const { return mBackColor; }
    void BackColor(Color vNewValue);
    // Always False: this window is never a child of a multiple-document window.
    std::int16_t MDIChild() const { return kFalse; }

    // The buttons Enter and Escape reach; none (nullptr) at first.
    Control* DefaultButton() const { return mDefaultButton; }
    void DefaultButton(Control* vNewValue);
    Control* CancelButton() const { return mCancelButton; }
    void CancelButton(Control* vNewValue) { mCancelButton = vNewValue; }
    // The control that shows as the default now (see above); nullptr for none.
    Control* ShownDefault() const;
    // Tells every control whose DisplayAsDefault changed. Runs by itself when the focus
    // moves, the default button changes or a control becomes default-capable.
    void ShowDefault();

    // Runs Terminate of every control that was created and not yet unloaded.
    void UnloadControls();

    // Lets the events waiting in the queue run, then returns.
    static void DoEvents();

protected:
    // Runs pointer moves and leaves (HookedEvents.h) and the window's activation through
    // its message hooks: activated, 0x86 then 0x6, both with wParam 1; deactivated, the
    // same with wParam 0; lParam 0.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Plot(int x, int y, QRgb pixel);
    void FocusChanged(QWidget* old, QWidget* now);
    // The control that holds the window's focus widget, if one does.
    Control* FocusedControl() const;
    // Routes Enter and Escape of a widget of this window; true when the key was taken.
    bool RouteDefaultKey(QObject* watched, QEvent* event);
    friend class DefaultKeyFilter;

    QImage mLayer;
    std::int16_t mUserMode = kTrue;
    FontRef mFont = FontObject::Create();
    Color mBackColor = SystemColor(kColorButtonFace);
    QPointer<Control> mDefaultButton;
    QPointer<Control> mCancelButton;
    QObject* mKeyFilter = nullptr;
    QMetaObject::Connection mFocusWatch;
};

}  // namespace tirnel
