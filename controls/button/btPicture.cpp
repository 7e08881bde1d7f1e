// The button's picture and caption, drawn over the face the style painted.

#include "controls/button/bt.h"

#include "controls/button/ButtonLook.h"
#include "controls/button/ButtonPictures.h"
#include "controls/button/CaptionLayout.h"


namespace tirnel {

namespace {

PictureObject::Kind KindOf(const PictureRef& picture) {
    return IsEmptyPicture(picture) ? PictureObject::kNone : picture->Type();
}

// The picture's own size in pixels, from its HIMETRIC size.
PictureDrawSize OwnSize(const PictureRef& picture) {
    if (IsEmptyPicture(picture)) return {0, 0};
    return {PictureObject::HimetricToPixels(picture->Width()), PictureObject::HimetricToPixels(picture->Height())};
}

}  // namespace

void bt::DrawPictureAndCaption(const ButtonLook& look) {
    Surface& surface = DrawingSurface();
    const PictureRef& hoverImage = KindOf(mPictureHover) == KindOf(mPicture) ? mPictureHover : mPicture;
    const PictureDrawSize size = PictureSizeFor(mPictureSize, OwnSize(mPicture), {mPicWidth, mPicHeight});

    CaptionLayoutInput in;
    in.width = look.mWidth;
    in.height = look.mHeight;
    in.textWidth = surface.TextWidth(mCaption);
    in.textHeight = surface.TextHeight(mCaption);
    in.picWidth = size.width;
    in.picHeight = size.height;
    in.hasPicture = !IsEmptyPicture(mPicture);
    in.hasAccessKey = !AccessKeys().isEmpty();
    in.pictureAlign = mPictureAlign;
    in.captionAlign = mCaptionAlign;
    in.placement = look.style.caption;
    in.pressed = look.mState == StateDown;
    const CaptionLayout layout = LayOutPictureAndCaption(in);
    mPicWidth = ClampToInt(layout.picWidth);
    mPicHeight = ClampToInt(layout.picHeight);
    if (layout.captionFocus) mCaptionFocusRect = ToSurfaceRect(*layout.captionFocus);

    // A picture with no room draws nothing.
    const PictureObject::Kind kind = KindOf(mPicture);
    if (mPicWidth > 0 && mPicHeight > 0 && (kind == PictureObject::kIcon || kind == PictureObject::kBitmap)) {
        const int x = ClampToInt(layout.picX), y = ClampToInt(layout.picY);
        const bool hoverShown = !IsEmptyPicture(mPictureHover);
        const bool underPointer = look.mState == StateHover || look.mState == StateDown;
        const PictureRef& stateImage = underPointer && hoverShown ? hoverImage : mPicture;
        const PictureRef& checkedImage = hoverShown ? hoverImage : mPicture;
        if (!look.mEnabled) {
            DrawPictureDisabled(surface, *mPicture, x, y, mPicWidth, mPicHeight);
        } else if (kind == PictureObject::kIcon) {
            surface.DrawIconEx(x, y, *stateImage, mPicWidth, mPicHeight);
            if (look.checked) surface.DrawIconEx(x, y, *checkedImage, mPicWidth, mPicHeight);
        } else {
            const QImage& image = (look.checked ? checkedImage : stateImage)->Image();
            if (IsTrue(mUseMaskColor)) {
                surface.TransparentBlt(x, y, mPicWidth, mPicHeight, image, 0, 0, mPicWidth, mPicHeight, mMaskColor);
            } else {
                surface.StretchBlt(x, y, mPicWidth, mPicHeight, image, 0, 0, mPicWidth, mPicHeight, kSrcCopy);
            }
        }
    }

    // Read after the look ran: a look that decides the fore colour decides the caption's.
    surface.SetTextColor(TranslateColor(look.mEnabled ? mForeColor : SystemColor(kColorGrayText)));
    surface.DrawText(mCaption, ToSurfaceRect(layout.caption), kDtSingleLine);
}

}  // namespace tirnel
