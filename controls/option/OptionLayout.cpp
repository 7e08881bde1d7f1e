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

}  // namespace tirnel
