// The option's pointer input, on its surface and on its parts, and the leave watch that
// notices the pointer has gone.

#include "controls/option/ua.h"

#include "platform/InputCodes.h"

#include <QMouseEvent>

#include <cmath>

namespace tirnel {

namespace {

float RelativeX(const QMouseEvent& event, const WindowlessPart& part) {
    return static_cast<float>(event.position().x()) - static_cast<float>(part.Left());
}

float RelativeY(const QMouseEvent& event, const WindowlessPart& part) {
    return static_cast<float>(event.position().y()) - static_cast<float>(part.Top());
}

}  // namespace

void ua::UserControl_MouseDown(int Button, int Shift, float X, float Y) {
    if (IsTrue(Enabled())) ShowImage(LookPressed);
    RaiseMouse(&ua::MouseDown, Button, Shift, X, Y);
}

void ua::UserControl_MouseMove(int Button, int Shift, float X, float Y) {
    StartLeaveWatch();
    if (X < 0 || Y < 0 || X > ScaleWidth() || Y > ScaleHeight()) return;
    RaiseMouse(&ua::MouseMove, Button, Shift, X, Y);
    if (IsTrue(Enabled())) ShowImage((Button & kButtonLeft) != 0 ? LookPressed : LookHover);
}

// The picture stays as it is until the next click, move or leave.
void ua::UserControl_MouseUp(int Button, int Shift, float X, float Y) {
    RaiseMouse(&ua::MouseUp, Button, Shift, X, Y);
}

void ua::RaiseMouse(MouseEvent event, int Button, int Shift, float X, float Y) {
    std::int16_t button = static_cast<std::int16_t>(Button);
    std::int16_t shift = static_cast<std::int16_t>(Shift);
    emit(this->*event)(button, shift, X, Y);
}

// Pointer input on a part: a press or release reaches the control's handlers with the
// position relative to the part, a move as a move at the part's top-left corner. A left press
// on a part released anywhere on the control is a click, as on the control's own surface.

const WindowlessPart* ua::PartAt(const QPointF& position) const {
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    for (const WindowlessPart* part : {static_cast<const WindowlessPart*>(&lbl), static_cast<const WindowlessPart*>(&p)})
        if (part->Hits(x, y)) return part;
    return nullptr;
}

void ua::mousePressEvent(QMouseEvent* event) {
    // The first button down takes hold of the pointer for whatever it fell on.
    if (!mHold.active || event->buttons() == event->button()) mHold = {true, PartAt(event->position()), false};
    if (!mHold.part) {
        Control::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::LeftButton) mHold.leftPressed = true;
    UserControl_MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                          RelativeX(*event, *mHold.part), RelativeY(*event, *mHold.part));
}

// A second left press in quick succession is a double click, which the option does not
// handle: no MouseDown, and its release makes no click.
void ua::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!mHold.active || event->buttons() == event->button()) mHold = {true, PartAt(event->position()), false};
    if (!mHold.part) {
        Control::mouseDoubleClickEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) mousePressEvent(event);
}

void ua::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) mHold = {};
    const WindowlessPart* part = mHold.active ? mHold.part : PartAt(event->position());
    if (!part) {
        Control::mouseMoveEvent(event);
        return;
    }
    UserControl_MouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                          static_cast<float>(part->Left()), static_cast<float>(part->Top()));
}

void ua::mouseReleaseEvent(QMouseEvent* event) {
    const PointerHold hold = mHold;
    if (event->buttons() == Qt::NoButton) mHold = {};
    const WindowlessPart* part = hold.active ? hold.part : PartAt(event->position());
    if (!part) {
        Control::mouseReleaseEvent(event);
        return;
    }
    const bool click = event->button() == Qt::LeftButton && hold.active && hold.leftPressed &&
                       rect().contains(event->position().toPoint());
    UserControl_MouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()), RelativeX(*event, *part),
                        RelativeY(*event, *part));
    if (click) UserControl_Click();
}

// The leave watch. Every tick compares the pointer with the client area, edges included;
// the first tick that finds it outside stops the watch, raises MouseOut and shows the
// picture at rest.

void ua::StartLeaveWatch() {
    if (IsTrue(Ambient().UserMode) && !Timer1.isActive()) Timer1.start();
}

void ua::Timer1_Timer() {
    const QPoint client = mapFromGlobal(mCursorPosition());
    const bool outside = client.x() < 0 || client.y() < 0 || client.x() > ScaleWidth() || client.y() > ScaleHeight();
    if (!outside) return;
    Timer1.stop();
    emit MouseOut();
    ShowStateImage();
}

}  // namespace tirnel
