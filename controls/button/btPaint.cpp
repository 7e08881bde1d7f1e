// Repainting the button: the face by the style's renderer, then picture and caption; and the
// access key taken from the caption.

#include "controls/button/bt.h"

#include "controls/button/ButtonCanvas.h"
#include "controls/button/ButtonLook.h"
#include "controls/button/ButtonStyleTraits.h"

namespace tirnel {

// The surface size is read and the style's row looked up once; the look draws from the
// snapshot, and what it decides is kept here.
void bt::PaintButton() {
    Surface& surface = DrawingSurface();
    surface.Clear();
    ReadSurfaceSize();
    const ButtonStyleTraits& style = StyleTraits(mButtonStyle);
    DrawCheckedDown(style);
    const ButtonLook look = TakeLook(style);
    if (look.ShapesWindow()) ShapeWindow(style.regionCorner, mWidth, mHeight);
    if (style.renderer) {
        ButtonCanvas canvas(surface, mWidth, mHeight);
        const LookDecision decision = style.renderer(look, canvas);
        if (decision.foreColor) mForeColor = *decision.foreColor;
    }
    DrawPictureAndCaption(look);
}

void bt::DrawCheckedDown(const ButtonStyleTraits& style) {
    if (IsTrue(mCheckBoxMode) && IsTrue(mValue) && !style.showsCheck) mState = StateDown;
}

ButtonLook bt::TakeLook(const ButtonStyleTraits& style) const {
    const AmbientProperties& ambient = Ambient();
    return ButtonLook{
        .style = style,
        .mState = mState,
        .mWidth = mWidth,
        .mHeight = mHeight,
        .mCaptionFocusRect = mCaptionFocusRect,
        .backColor = TranslateColor(mBackColor),
        .containerBackColor = TranslateColor(ambient.BackColor),
        .mEnabled = IsTrue(mEnabled),
        .checked = IsTrue(mCheckBoxMode) && IsTrue(mValue),
        .mIsOver = IsTrue(mIsOver),
        .mMouseDown = IsTrue(mMouseDown),
        .mHasFocus = IsTrue(mHasFocus),
        .mIsDefault = IsTrue(mIsDefault),
        .mParentActive = IsTrue(mParentActive),
        .mShowFocusRect = IsTrue(mShowFocusRect),
        .userMode = IsTrue(ambient.UserMode),
    };
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
