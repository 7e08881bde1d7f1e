// Repainting the button: the face by the style's renderer, then picture and caption; and the
// access key taken from the caption.

#include "controls/button/bt.h"

#include "controls/button/ButtonPainter.h"
#include "controls/button/ButtonStyleTraits.h"

namespace tirnel {

void bt::PaintButton() {
    Surface& surface = DrawingSurface();
    surface.Clear();
    ReadSurfaceSize();
    mButtonRect = Rect{0, 0, mWidth, mHeight};
    // A checked check button is drawn down, unless its look shows the check itself.
    const ButtonStyleTraits& traits = StyleTraits(mButtonStyle);
    if (IsTrue(mCheckBoxMode) && IsTrue(mValue) && !traits.showsCheck) mState = StateDown;
    if (ButtonRenderer renderer = traits.renderer) {
        ButtonPainter painter(*this);
        renderer(painter, mState);
    }
    DrawPictureAndCaption();
}

// The first "&" marks the access key, the next character; "&&" stands for one "&" and only
// the first marker after one such pair is looked at.
void bt::UpdateAccessKey() {
    AccessKeys(QString());
    const qsizetype length = mCaption.size();
    if (length <= 1) return;
    const qsizetype a = mCaption.indexOf(u'&');
    if (a < 0 || a == length - 1) return;
    if (mCaption.at(a + 1) != u'&') {
        AccessKeys(mCaption.at(a + 1).toLower());
        return;
    }
    const qsizetype c = mCaption.indexOf(u'&', a + 2);
    if (c < 0 || c == length - 1) return;
    if (mCaption.at(c + 1) == u'&') return;
    AccessKeys(mCaption.at(c + 1).toLower());
}

}  // namespace tirnel
