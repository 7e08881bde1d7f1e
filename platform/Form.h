#pragma once
// The top-level window the controls sit on. It finds its controls at any depth of
// containers, keeps a drawing layer of its own (lines and unfilled rectangles drawn on
// the window stay there across repaints, under the child widgets), tells each control
// the ambient properties it offers, lets pending events run, and unloads its controls
// when it closes or goes away.

#include "platform/AmbientProperties.h"
#include "platform/Colors.h"
#include "platform/Control.h"
#include "platform/FontObject.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace tirnel {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Every control inside the window, containers searched depth first in child order.
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
    void Line(int x1, int y1, int x2, int y2, Color colour);
    void Box(int x1, int y1, int x2, int y2, Color colour);
    // Clears the layer.
    void Cls();
    const QImage& DrawingLayer() const { return mLayer; }

    // What this window offers a control as its ambient properties: its user mode, font
    // (a copy per control), colours and the control's object name as display name.
    AmbientProperties AmbientFor(const Control& control) const;
    std::int16_t UserMode() const { return mUserMode; }
    void UserMode(std::int16_t vNewValue) { mUserMode = vNewValue; }
    FontRef Font() const { return mFont; }
    void Font(FontRef vNewValue) { mFont = std::move(vNewValue); }
    Color BackColor() const { return mBackColor; }
    void BackColor(Color vNewValue) { mBackColor = vNewValue; }

    // Runs Terminate of every control that was created and not yet unloaded.
    void UnloadControls();

    // Lets the events waiting in the queue run, then returns.
    static void DoEvents();

protected:
    // Runs pointer moves, leaves and the window's activation through its message hooks
    // (MessageHooks.h).
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Plot(int x, int y, QRgb pixel);

    QImage mLayer;
    std::int16_t mUserMode = kTrue;
    FontRef mFont = FontObject::Create();
    Color mBackColor = SystemColor(kColorButtonFace);
};

}  // namespace tirnel
