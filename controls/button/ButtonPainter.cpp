#include "controls/button/ButtonPainter.h"

#include "controls/button/bt.h"

namespace tirnel {

ButtonPainter::ButtonPainter(bt& button)
    : surface(button.DrawingSurface()),
      mButtonStyle(button.mButtonStyle),
      mWidth(button.mWidth),
      mHeight(button.mHeight),
      mButtonRect(button.mButtonRect),
      mCaptionFocusRect(button.mCaptionFocusRect),
      mBackColor(button.mBackColor),
      mForeColor(button.mForeColor),
      mEnabled(button.mEnabled),
      mCheckBoxMode(button.mCheckBoxMode),
      mValue(button.mValue),
      mIsOver(button.mIsOver),
      mMouseDown(button.mMouseDown),
      mHasFocus(button.mHasFocus),
      mIsDefault(button.mIsDefault),
      mParentActive(button.mParentActive),
      mShowFocusRect(button.mShowFocusRect),
      mButton(button) {}

std::int16_t ButtonPainter::UserMode() const { return mButton.Ambient().UserMode; }

bool ButtonPainter::Checked() const { return IsTrue(mCheckBoxMode) && IsTrue(mValue); }

Color ButtonPainter::BackColour() const { return TranslateColor(mBackColor); }

void ButtonPainter::ReadSize() {
    mButton.ReadSurfaceSize();
    mButtonRect = Rect{0, 0, mWidth, mHeight};
}

void ButtonPainter::ApplyButtonShape() { mButton.ApplyButtonShape(); }

void ButtonPainter::ContainerBackground() {
    surface.SetBackColor(TranslateColor(mButton.Ambient().BackColor));
    surface.Clear();
}

void ButtonPainter::FillBox(Color colour, const Rect& rect) { surface.FillRect(rect, colour); }

void ButtonPainter::SetCornerPixels(Color colour) {
    mButton.ReadSurfaceSize();
    surface.SetPixel(1, 1, colour);
    surface.SetPixel(1, mHeight - 2, colour);
    surface.SetPixel(mWidth - 2, 1, colour);
    surface.SetPixel(mWidth - 2, mHeight - 2, colour);
}

}  // namespace tirnel
