#include "controls/button/ButtonCanvas.h"

namespace tirnel {

void ButtonCanvas::SetCornerPixels(Color color) {
    mSurface.SetPixel(1, 1, color);
    mSurface.SetPixel(1, mHeight - 2, color);
    mSurface.SetPixel(mWidth - 2, 1, color);
    mSurface.SetPixel(mWidth - 2, mHeight - 2, color);
}

void ButtonCanvas::ContainerBackground(Color containerBackColor) {
    mSurface.SetBackColor(containerBackColor);
    mSurface.Clear();
}

}  // namespace tirnel
