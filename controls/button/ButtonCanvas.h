#pragma once
// Where a look draws: the button's surface, with the drawing steps the looks are built from.
// It knows the size of the repaint, for the steps that work from the edges.

#include "controls/button/ButtonDrawing.h"
#include "platform/Colors.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

#include <cstdint>

namespace tirnel {

class ButtonCanvas {
public:
    ButtonCanvas(Surface& surface, std::int32_t width, std::int32_t height)
        : mSurface(surface), mWidth(width), mHeight(height) {}

    void FillBox(Color color, const Rect& rect) { mSurface.FillRect(rect, color); }
    // The pixels (1, 1), (1, H-2), (W-2, 1), (W-2, H-2), in that order.
    void SetCornerPixels(Color color);
    void SetPixel(int x, int y, Color color) { mSurface.SetPixel(x, y, color); }
    void DrawLine(int x1, int y1, int x2, int y2, Color color) { tirnel::DrawLine(mSurface, x1, y1, x2, y2, color); }
    void FrameBox(int x, int y, int width, int height, Color color) {
        tirnel::FrameBox(mSurface, x, y, width, height, color);
    }
    void PaintGradient(int x, int y, int width, int height, Color from, Color to, int direction) {
        tirnel::PaintGradient(mSurface, x, y, width, height, from, to, direction);
    }
    void DrawEdge(const Rect& rect, unsigned edge) { mSurface.DrawEdge(rect, edge, kBfRect); }
    void DrawFocusRect(const Rect& rect) { mSurface.DrawFocusRect(rect); }
    // Takes the container's back colour as the surface's own background, which clears the
    // whole surface to it: the pixels a look leaves undrawn show the container.
    void ContainerBackground(Color containerBackColor);
    // The surface's draw mode, which stays for later paints.
    void SetROP2(int mode) { mSurface.SetROP2(mode); }

private:
    Surface& mSurface;
    std::int32_t mWidth;
    std::int32_t mHeight;
};

}  // namespace tirnel
