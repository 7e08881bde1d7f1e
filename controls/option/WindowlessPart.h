#pragma once
// A constituent part of a control that has no window of its own (an image holder, a label):
// it stands at a rectangle of the control's client area, in pixels, draws on the control's
// surface and takes the pointer input that falls on its rectangle.

#include "platform/Rect.h"

namespace tirnel {

struct WindowlessPart {
    Rect Bounds;
    bool Visible = true;

    int Left() const { return Bounds.left; }
    int Top() const { return Bounds.top; }
    bool Hits(int x, int y) const { return Visible && Bounds.Contains(x, y); }
};

}  // namespace tirnel
