// Icon drawing of Surface: the normal mode of DrawIconEx, mask and colour image stretched
// alike by nearest neighbour.

#include "platform/PictureObject.h"
#include "platform/Surface.h"

#include <algorithm>
#include <cstdint>

namespace tirnel {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kChannels = 0x00FFFFFFu;

// D = (D AND M) XOR C, M white where the mask is set.
QRgb MaskThenInvert(QRgb dest, QRgb colour, bool maskSet) {
    const QRgb mask = maskSet ? kChannels : 0u;
    return (((dest & mask) ^ colour) & kChannels) | kOpaque;
}

// Source over: each channel (s·a + d·(255 − a)) / 255 to the nearest; the sum is an integer
// and 255 is odd, so there is never a tie.
QRgb BlendOver(QRgb dest, QRgb source) {
    const int alpha = qAlpha(source);
    auto channel = [alpha](int s, int d) { return (s * alpha + d * (255 - alpha) + 127) / 255; };
    return qRgb(channel(qRed(source), qRed(dest)), channel(qGreen(source), qGreen(dest)),
                channel(qBlue(source), qBlue(dest)));
}

}  // namespace

bool Surface::DrawIconEx(int x, int y, const PictureObject& icon, int width, int height) {
    if (width <= 0 || height <= 0 || icon.Type() == PictureObject::kNone) return false;
    const int sourceWidth = icon.Image().width();
    const int sourceHeight = icon.Image().height();
    // The destination in 64 bits: x + width may lie beyond the range of int.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(static_cast<std::int64_t>(x) + width, Width());
    const std::int64_t bottom = std::min<std::int64_t>(static_cast<std::int64_t>(y) + height, Height());
    const bool blend = icon.BlendsWithAlpha();
    for (auto py = static_cast<int>(top); py < bottom; ++py) {
        const int sy = StretchSource(py - y, sourceHeight, height);
        QRgb* row = reinterpret_cast<QRgb*>(mImage.scanLine(py));
        for (auto px = static_cast<int>(left); px < right; ++px) {
            const int sx = StretchSource(px - x, sourceWidth, width);
            const QRgb colour = icon.Pixel(sx, sy);
            row[px] = blend ? BlendOver(row[px], colour) : MaskThenInvert(row[px], colour, icon.MaskSet(sx, sy));
        }
    }
    return true;
}

}  // namespace tirnel
