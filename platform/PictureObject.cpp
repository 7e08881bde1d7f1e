#include "platform/PictureObject.h"

#include <cmath>

namespace tirnel {

PictureObject::PictureObject(Kind kind, QImage image, QImage mask)
    : mKind(image.isNull() ? kNone : kind), mImage(std::move(image)), mMask(std::move(mask)) {
    if (mKind != kIcon) mMask = QImage();
}

PictureRef PictureObject::Create(Kind kind, QImage image, QImage mask) {
    return std::make_shared<PictureObject>(kind, std::move(image), std::move(mask));
}

bool PictureObject::SameAs(const PictureObject& other) const {
    return mKind == other.mKind && mImage == other.mImage && mMask == other.mMask;
}

int PictureObject::PixelsToHimetric(int pixels) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixels) * 2540.0 / 96.0));
}

int PictureObject::HimetricToPixels(int himetric) {
    return static_cast<int>(std::nearbyint(static_cast<double>(himetric) * 96.0 / 2540.0));
}

bool IsEmptyPicture(const PictureRef& picture) { return !picture || picture->Type() == PictureObject::kNone; }

}  // namespace tirnel
