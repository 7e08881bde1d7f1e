#include "platform/PictureObject.h"

#include "platform/Colors.h"
#include "platform/DibBuffer.h"

#include <cmath>

namespace tirnel {

namespace {

QImage As32Bit(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRgb PixelOf(const QImage& image32, int x, int y) {
    return reinterpret_cast<const QRgb*>(image32.constScanLine(y))[x];
}

constexpr Color kMaskWhite = 0xFFFFFF;
constexpr Color kMaskBlack = 0x000000;

}  // namespace

PictureObject::PictureObject(Kind kind, QImage image, QImage mask)
    : mKind(image.isNull() ? kNone : kind), mImage(std::move(image)), mMask(std::move(mask)) {
    if (mKind != kIcon) mMask = QImage();
    mPixels = As32Bit(mImage);
    mMaskPixels = As32Bit(mMask);
}

PictureRef PictureObject::Create(Kind kind, QImage image, QImage mask) {
    return std::make_shared<PictureObject>(kind, std::move(image), std::move(mask));
}

bool PictureObject::SameAs(const PictureObject& other) const {
    return mKind == other.mKind && mImage == other.mImage && mMask == other.mMask;
}

QRgb PictureObject::Pixel(int x, int y) const {
    const QRgb pixel = PixelOf(mPixels, x, y);
    // An RGB32 pixel's top byte carries no meaning; such an image is opaque.
    return mPixels.hasAlphaChannel() ? pixel : (pixel | 0xFF000000u);
}

bool PictureObject::MaskSet(int x, int y) const {
    if (mKind != kIcon) return false;
    if (mMask.isNull()) return AlphaMarksTransparent(qAlpha(Pixel(x, y)));
    if (x >= mMask.width() || y >= mMask.height()) return true;
    return (PixelOf(mMaskPixels, x, y) & 0x00FFFFFFu) != 0;
}

bool PictureObject::BlendsWithAlpha() const {
    return mKind == kIcon && mMask.isNull() && mImage.hasAlphaChannel();
}

BitmapInfoHeader PictureObject::Header24() const {
    return DibBuffer::HeaderOf(mImage.width(), mImage.height(), 24);
}

std::vector<std::uint8_t> PictureObject::ColorBits24() const {
    DibBuffer buffer(mImage.width(), mImage.height(), 24);
    if (buffer.IsEmpty()) return {};
    for (int y = 0; y < buffer.Rows(); ++y)
        for (int x = 0; x < buffer.Width(); ++x) buffer.SetPixel(x, y, FromQRgb(Pixel(x, y)));
    return {buffer.Bits().begin(), buffer.Bits().end()};
}

std::vector<std::uint8_t> PictureObject::MaskBits24() const {
    if (mKind != kIcon) return {};
    DibBuffer buffer(mImage.width(), mImage.height(), 24);
    if (buffer.IsEmpty()) return {};
    for (int y = 0; y < buffer.Rows(); ++y)
        for (int x = 0; x < buffer.Width(); ++x) buffer.SetPixel(x, y, MaskSet(x, y) ? kMaskWhite : kMaskBlack);
    return {buffer.Bits().begin(), buffer.Bits().end()};
}

int PictureObject::PixelsToHimetric(int pixels) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixels) * 2540.0 / 96.0));
}

int PictureObject::HimetricToPixels(int himetric) {
    return static_cast<int>(std::nearbyint(static_cast<double>(himetric) * 96.0 / 2540.0));
}

bool IsEmptyPicture(const PictureRef& picture) { return !picture || picture->Type() == PictureObject::kNone; }

}  // namespace tirnel
