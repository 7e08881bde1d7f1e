#pragma once
// What a style's renderer works with: the button's surface, the members it reads (by their
// names in the button), the few it writes (the size it re-reads, mButtonRect, mForeColor)
// and the shared drawing steps of the looks. PaintButton makes one for each repaint.

#include "controls/button/ButtonColours.h"
#include "controls/button/ButtonDrawing.h"
#include "platform/Boolean.h"
#include "platform/Colors.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

#include <cstdint>

namespace tirnel {

class bt;

class ButtonPainter {
public:
    explicit ButtonPainter(bt& button);

    Surface& surface;
    const std::int32_t& mButtonStyle;
    std::int32_t& mWidth;
    std::int32_t& mHeight;
    Rect& mButtonRect;
    const Rect& mCaptionFocusRect;
    const Color& mBackColor;
    Color& mForeColor;
    const std::int16_t& mEnabled;
    const std::int16_t& mCheckBoxMode;
    const std::int16_t& mValue;
    const std::int16_t& mIsOver;
    const std::int16_t& mMouseDown;
    const std::int16_t& mHasFocus;
    const std::int16_t& mIsDefault;
    const std::int16_t& mParentActive;
    const std::int16_t& mShowFocusRect;

    // The container's ambient user mode: True at run time, False in a form designer.
    std::int16_t UserMode() const;
    // Whether the button is a check button in its checked state.
    bool Checked() const;
    // Whether a focus cue belongs on the button: it has the focus or is the default button,
    // in an active window.
    bool FocusCued() const {
        return IsTrue(mParentActive) && (IsTrue(mHasFocus) || IsTrue(mIsDefault));
    }
    // The back colour as plain RGB, and shifted by an amount.
    Color BackColour() const;
    Color S(float amount) const { return ShiftColor(BackColour(), amount); }

    // Re-reads the surface size into mWidth and mHeight (nearest whole pixels) and sets
    // mButtonRect to (0, 0, W, H).
    void ReadSize();
    // Gives the window the shape of the current style at the size of the last repaint.
    void ApplyButtonShape();
    // Takes the container's back colour as the surface's own background, which clears the
    // whole surface to it: the pixels a look leaves undrawn show the container.
    void ContainerBackground();

    void FillBox(Color colour, const Rect& rect);
    // The pixels (1, 1), (1, H-2), (W-2, 1), (W-2, H-2), in that order, after re-reading the
    // size.
    void SetCornerPixels(Color colour);
    void DrawLine(int x1, int y1, int x2, int y2, Color colour) { tirnel::DrawLine(surface, x1, y1, x2, y2, colour); }
    void FrameBox(int x, int y, int width, int height, Color colour) {
        tirnel::FrameBox(surface, x, y, width, height, colour);
    }
    void PaintGradient(int x, int y, int width, int height, Color from, Color to, int direction) {
        tirnel::PaintGradient(surface, x, y, width, height, from, to, direction);
    }
    void DrawEdge(const Rect& rect, unsigned edge) { surface.DrawEdge(rect, edge, kBfRect); }
    void DrawFocusRect(const Rect& rect) { surface.DrawFocusRect(rect); }

private:
    bt& mButton;
};

}  // namespace tirnel
