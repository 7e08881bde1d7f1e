#include "controls/option/OptionLayout.h"

#include <cmath>

namespace tirnel {

int CentredTop(double outerTwips, double innerTwips) {
    return static_cast<int>(std::nearbyint(outerTwips - innerTwips)) / 2;
}

int PixelsFromTwips(double twips) { return static_cast<int>(std::nearbyint(twips / kOptionTwipsPerPixel)); }

OptionPlacement PlaceOptionParts(double heightTwips, int labelWidth, int labelHeight) {
    const int pictureLeft = PixelsFromTwips(kPictureLeftTwips);
    const int pictureTop = PixelsFromTwips(CentredTop(heightTwips, kPictureSizeTwips));
    const int pictureSize = PixelsFromTwips(kPictureSizeTwips);
    const int labelLeft = PixelsFromTwips(kLabelLeftTwips);
    const int labelTop = PixelsFromTwips(CentredTop(heightTwips, static_cast<double>(labelHeight) * kOptionTwipsPerPixel));
    return {{pictureLeft, pictureTop, pictureLeft + pictureSize, pictureTop + pictureSize},
            {labelLeft, labelTop, labelLeft + labelWidth, labelTop + labelHeight}};
}

}  // namespace tirnel
