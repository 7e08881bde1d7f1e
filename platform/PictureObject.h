#pragma once
// The picture object controls share by reference: a kind (none, bitmap, icon), the
// pixels, the size in HIMETRIC units (0.01 mm) and, for icons, an optional mask.
// A picture does not change once made.

#include <QImage>

#include <memory>

namespace tirnel {

class PictureObject;
using PictureRef = std::shared_ptr<PictureObject>;

class PictureObject {
public:
    // The platform's picture type numbers.
    enum Kind : int { kNone = 0, kBitmap = 1, kIcon = 3 };

    PictureObject() = default;
    // An empty image makes a picture of kind none.
    PictureObject(Kind kind, QImage image, QImage mask = {});

    static PictureRef Create(Kind kind, QImage image, QImage mask = {});
    static PictureRef Bitmap(QImage image) { return Create(kBitmap, std::move(image)); }
    // `mask`: the icon's transparency as the platform keeps it, set (non-black) pixels
    // transparent; when empty the image's own alpha channel decides.
    static PictureRef Icon(QImage image, QImage mask = {}) { return Create(kIcon, std::move(image), std::move(mask)); }

    Kind Type() const { return mKind; }
    const QImage& Image() const { return mImage; }
    const QImage& Mask() const { return mMask; }
    // Size in HIMETRIC units.
    int Width() const { return PixelsToHimetric(mImage.width()); }
    int Height() const { return PixelsToHimetric(mImage.height()); }

    // Pairwise same kind, pixels and mask.
    bool SameAs(const PictureObject& other) const;

    // At 96 dots per inch: pixels × 2540 / 96, to the nearest with ties to even.
    static int PixelsToHimetric(int pixels);
    // HIMETRIC × 96 / 2540, to the nearest with ties to even.
    static int HimetricToPixels(int himetric);

private:
    Kind mKind = kNone;
    QImage mImage;
    QImage mMask;
};

// True when the reference is empty or holds a picture of kind none.
bool IsEmptyPicture(const PictureRef& picture);

}  // namespace tirnel
