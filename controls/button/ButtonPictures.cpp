#include "controls/button/ButtonPictures.h"

#include "platform/BitmapInfo.h"

namespace tirnel {

void GreyPixels(std::vector<std::uint8_t>& bytes, int width) {
    if (width <= 0) return;
    const auto stride = static_cast<std::size_t>(DibRowStride(width, 24));
    const std::size_t pixels = static_cast<std::size_t>(width) * 3;
    for (std::size_t row = 0; row < bytes.size(); row += stride) {
        for (std::size_t i = row; i < row + pixels && i + 4 <= bytes.size(); i += 3) {
            const auto average = static_cast<std::uint8_t>((bytes[i] + bytes[i + 1] + bytes[i + 2]) / 3);
            bytes[i] = bytes[i + 1] = bytes[i + 2] = average;
        }
    }
}

bool DrawPictureDisabled(Surface& surface, const PictureObject& image, int x, int y, int width, int height) {
    const BitmapInfoHeader header = image.Header24();
    std::vector<std::uint8_t> grey = image.ColorBits24();
    if (width == -1) width = header.width;
    if (height == -1) height = header.height;
    GreyPixels(grey, header.width);
    std::vector<std::uint8_t> mask = image.MaskBits24();
    mask.resize(grey.size(), 0);
    const int sourceHeight = header.height < 0 ? -header.height : header.height;
    surface.StretchDIBits(x, y, width, height, 0, 0, header.width, sourceHeight, mask, header, kDibRgbColors,
                          kSrcAnd);
    return surface.StretchDIBits(x, y, width, height, 0, 0, header.width, sourceHeight, grey, header,
                                 kDibRgbColors, kSrcPaint) != 0;
}

}  // namespace tirnel
