#include "controls/button/CaptionLayout.h"

#include "controls/button/ButtonEnums.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tirnel {

namespace {

using I = std::int64_t;

struct Placement {
    I picX, picY, textX, textY;
};

// The picture's place and the caption's beside it, by PictureAlign.
Placement PlaceByPictureAlign(const CaptionLayoutInput& in) {
    const I W = in.width, H = in.height, tw = in.textWidth, th = in.textHeight, pw = in.picWidth,
            ph = in.picHeight;
    const I middleY = (H - ph) / 2;
    const I textY = H / 2 - th / 2;
    const I centreX = (W - pw) / 2;
    const I captionCentre = W / 2 - tw / 2;
    switch (in.pictureAlign) {
        case PicLeftEdge: return {4, middleY, std::max(W / 2 - tw / 2 + pw / 2, pw + 8), textY};
        case PicLeftOfCaption:
            return {std::max<I>((W - (pw + tw)) / 2, 4), middleY, std::max(W / 2 - tw / 2 + pw / 2 + 3, pw + 8),
                    textY};
        case PicRightEdge: return {W - pw - 4, middleY, W - tw - 4 - pw, textY};
        case PicRightOfCaption: {
            const I textX = W / 2 - tw / 2 - pw / 2 - 3;
            return {std::min((W - (pw - tw)) / 2, W - pw - 4), middleY, textX < 0 ? W - tw - 4 - pw : textX, textY};
        }
        case PicCenter: return {centreX, middleY, captionCentre, textY};
        case PicTopEdge: return {centreX, 4, captionCentre, ph / 2 + H / 2 - th / 2 + 2};
        case PicAboveCaption:
            return {centreX, std::max<I>((H - (th + ph)) / 2, 4), captionCentre, ph / 2 + H / 2 - th / 2 + 2};
        case PicBottomEdge: return {centreX, H - ph - 4, captionCentre, H / 2 - ph / 2 - th / 2 - 2};
        case PicBelowCaption:
            return {centreX, std::min((H - (ph - th)) / 2, H - ph - 4), captionCentre, H / 2 - ph / 2 - th / 2 - 2};
        default: return {0, 0, 0, 0};
    }
}

// The caption's alignment, with a picture: may move the caption and the picture again.
// `placedTextX` is where the picture's alignment put the caption.
void AlignCaptionBesidePicture(const CaptionLayoutInput& in, I placedTextX, CaptionLayout& out) {
    const I W = in.width, tw = in.textWidth, pw = out.picWidth;
    switch (in.captionAlign) {
        case CaptionLeft:
            switch (in.pictureAlign) {
                case PicLeftEdge: out.textX = pw + 8; break;
                case PicLeftOfCaption:
                    out.picX = 4;
                    out.textX = pw + 8;
                    break;
                case PicRightEdge: out.textX = placedTextX > 3 ? 4 : W - tw - 4 - pw; break;
                case PicRightOfCaption:
                    out.textX = 4;
                    out.picX = tw + 4;
                    break;
                default: out.textX = 4; break;
            }
            break;
        case CaptionCenter:
            if (in.pictureAlign == PicRightEdge) out.textX = placedTextX >= 0 ? W / 2 - tw / 2 : W - tw - 4 - pw;
            break;
        case CaptionRight:
            switch (in.pictureAlign) {
                case PicLeftEdge: out.textX = std::max(W - tw - 4, pw + 4); break;
                case PicLeftOfCaption:
                    out.textX = W - tw - 4;
                    out.picX = W - tw - pw - 8;
                    break;
                case PicRightEdge: out.textX = W - tw - 4 - pw; break;
                case PicRightOfCaption:
                    out.picX = W - pw - 4;
                    out.textX = W - tw - 4 - pw;
                    break;
                default: out.textX = W - tw - 4; break;
            }
            break;
        default: break;
    }
}

// The caption alone.
void AlignCaptionAlone(const CaptionLayoutInput& in, CaptionLayout& out) {
    const I W = in.width, tw = in.textWidth;
    switch (in.captionAlign) {
        case CaptionLeft: out.textX = 4; break;
        case CaptionCenter: out.textX = W / 2 - tw / 2; break;
        case CaptionRight: out.textX = W - tw - 4; break;
        default: break;
    }
    out.picX = 0;
    out.picY = 0;
    out.textY = in.height / 2 - in.textHeight / 2;
}

}  // namespace

CaptionLayout LayOutPictureAndCaption(const CaptionLayoutInput& in) {
    CaptionLayout out;
    out.picWidth = in.picWidth;
    out.picHeight = in.picHeight;
    const Placement placed = PlaceByPictureAlign(in);
    out.picX = std::max<I>(placed.picX, 1);
    out.picY = std::max<I>(placed.picY, 1);
    out.textX = placed.textX;
    out.textY = placed.textY;
    if (in.width < out.picWidth + out.picX) out.picWidth = in.width - 8;
    if (in.height < out.picHeight + out.picY) out.picHeight = in.height - 4;

    if (in.hasPicture) {
        AlignCaptionBesidePicture(in, placed.textX, out);
    } else {
        AlignCaptionAlone(in, out);
    }
    // The measured width includes the "&" that is not drawn.
    if (in.hasAccessKey) out.textX += 3;

    const CaptionPlacement& place = in.placement;
    const I shift = in.pressed ? place.pictureShiftPressed : place.pictureShiftAtRest;
    out.picX += shift;
    out.picY += shift;

    const I x = out.textX, y = out.textY, tw = in.textWidth, th = in.textHeight;
    const CaptionSides& sides = in.pressed ? place.captionPressed : place.captionAtRest;
    out.caption = {x + sides.left, y + sides.top, x + tw + sides.right, y + th + sides.bottom};
    if (!in.pressed && place.focusAtRest) out.captionFocus = WideRect{x - 2, y, x + tw + 1, y + th + 1};
    return out;
}

PictureDrawSize PictureSizeFor(std::int32_t PictureSize, PictureDrawSize own, PictureDrawSize previous) {
    switch (PictureSize) {
        case PicSizeOriginal: return own;
        case PicSize16: return {16, 16};
        case PicSize24: return {24, 24};
        case PicSize32: return {32, 32};
        default: return previous;
    }
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<I>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

Rect ToSurfaceRect(const WideRect& rect) {
    return {ClampToInt(rect.left), ClampToInt(rect.top), ClampToInt(rect.right), ClampToInt(rect.bottom)};
}

}  // namespace tirnel
