#include "controls/option/OptionLayout.h"

#include <cmath>

namespace tirnel {

int CentredTop(double outerTwips, double innerTwips) {
    return static_cast<int>(std::nearbyint(outerTwips - innerTwips)) / 2;
}

OptionPlacement PlaceOptionParts(double heightTwips, int labelWidth, int labelHeight) {
    const int pictureLeft = TwipsToPixels(kPictureLeftTwips);
    const int pictureTop = TwipsToPixels(CentredTop(heightTwips, kPictureSizeTwips));
    const int pictureSize = TwipsToPixels(kPictureSizeTwips);
    const int labelLeft = TwipsToPixels(kLabelLeftTwips);
    const int labelTop = TwipsToPixels(CentredTop(heightTwips, static_cast<double>(labelHeight) * kTwipsPerPixel));
    return {{pictureLeft, pictureTop, pictureLeft + pictureSize, pictureTop + pictureSize},
            {labelLeft, labelTop, labelLeft + labelWidth, labelTop + labelHeight}};
}

Rect FocusMarkAround(const Rect& caption, int width, int height) {
    return Rect{caption.left - 1, caption.top - 1, caption.right + 1, caption.bottom + 1}.Intersected({0, 0, width, height});
}

}  // namespace tirnel
