#pragma once
// The picture object controls share by reference: a kind (none, bitmap, icon), the
// pixels, the size in HIMETRIC units (0.01 mm) and, for icons, an optional mask.
// A picture does not change once made.

#include "platform/BitmapInfo.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <vector>

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

    // The image's pixel at (x, y) as alpha and plain (not premultiplied) channels, whatever the
    // image's format; (x, y) must lie in the image.
    QRgb Pixel(int x, int y) const;
    // Whether the icon's mask marks the pixel at (x, y) transparent: a set (non-black) mask
    // pixel or one outside the mask image; for an icon kept without a mask image, the alpha
    // rule below. A bitmap has no mask: never.
    bool MaskSet(int x, int y) const;
    // An icon without a mask image whose image has an alpha channel: drawn by blending.
    bool BlendsWithAlpha() const;

    // The image as a 24-bit bottom-up device-independent bitmap (rows padded to 4 bytes with
    // zeros), described by Header24. MaskBits24 is the mask the same way, white where MaskSet
    // and black elsewhere; a bitmap (or no picture) has none and gives no bytes.
    BitmapInfoHeader Header24() const;
    std::vector<std::uint8_t> ColorBits24() const;
    std::vector<std::uint8_t> MaskBits24() const;
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
    // The image and the mask in 32-bit ARGB (shared with them when they are already 32-bit).
    QImage mPixels;
    QImage mMaskPixels;
};

// The one rule that gives an icon kept without a mask image its mask: a pixel whose alpha is
// below half is transparent.
constexpr bool AlphaMarksTransparent(int alpha) { return alpha < 128; }

// True when the reference is empty or holds a picture of kind none.
bool IsEmptyPicture(const PictureRef& picture);

}  // namespace tirnel
