#include "controls/button/ButtonCanvas.h"

namespace tirnel {

void ButtonCanvas::SetCornerPixels(Color colour) {
    mSurface.SetPixel(1, 1, colour);
    mSurface.SetPixel(1, mHeight - 2, colour);
    mSurface.SetPixel(mWidth - 2, 1, colour);
    mSurface.SetPixel(mWidth - 2, mHeight - 2, colour);
}

void ButtonCanvas::ContainerBackground(Color containerBackColor) {
    mSurface.SetBackColor(containerBackColor);
    mSurface.Clear();
}

}  // namespace tirnel
