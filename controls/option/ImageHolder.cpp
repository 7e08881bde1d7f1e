#include "controls/option/ImageHolder.h"

#include <algorithm>

namespace tirnel {

namespace {

// Whether an icon pixel is drawn: its mask pixel is black, or, for an icon without a mask,
// its alpha is at least half.
bool Opaque(const PictureObject& picture, int x, int y) {
    if (picture.Type() != PictureObject::kIcon) return true;
    const QImage& mask = picture.Mask();
    if (mask.isNull()) return qAlpha(picture.Image().pixel(x, y)) >= 128;
    return x < mask.width() && y < mask.height() && (mask.pixel(x, y) & 0x00FFFFFFu) == 0;
}

}  // namespace

void ImageHolder::Paint(Surface& surface) const {
    if (!Visible || IsEmptyPicture(Picture)) return;
    const QImage& image = Picture->Image();
    const int width = std::min(image.width(), Bounds.Width());
    const int height = std::min(image.height(), Bounds.Height());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (Opaque(*Picture, x, y)) surface.SetPixel(Bounds.left + x, Bounds.top + y, FromQRgb(image.pixel(x, y)));
}

}  // namespace tirnel
