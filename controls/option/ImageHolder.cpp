#include "controls/option/ImageHolder.h"

#include <algorithm>

namespace tirnel {

void ImageHolder::Paint(Surface& surface) const {
    if (!Visible || IsEmptyPicture(Picture)) return;
    const QImage& image = Picture->Image();
    const int width = std::min(image.width(), Bounds.Width());
    const int height = std::min(image.height(), Bounds.Height());
    if (width <= 0 || height <= 0) return;
    if (width == image.width() && height == image.height()) {
        surface.DrawIconEx(Bounds.left, Bounds.top, *Picture, width, height);
        return;
    }
    // A rectangle smaller than the picture shows its top-left part unscaled.
    const QImage& mask = Picture->Mask();
    // Keep the mask no larger than it was: where it ends the picture stays transparent.
    const QImage maskPart =
        mask.isNull() ? QImage() : mask.copy(0, 0, std::min(width, mask.width()), std::min(height, mask.height()));
    const PictureObject part(Picture->Type(), image.copy(0, 0, width, height), maskPart);
    surface.DrawIconEx(Bounds.left, Bounds.top, part, width, height);
}

}  // namespace tirnel
