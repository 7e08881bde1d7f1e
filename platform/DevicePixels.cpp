#include "platform/DevicePixels.h"

#include <algorithm>

namespace tirnel {

DevicePixels::DevicePixels(int width, int height, DeviceGrid grid, QRgb fill)
    : mWidth(std::max(width, 0)), mHeight(std::max(height, 0)), mGrid(grid) {
    mImage = QImage(mGrid.Extent(mWidth), mGrid.Extent(mHeight), QImage::Format_RGB32);
    if (!mImage.isNull()) mImage.fill(fill);
}

QRect DevicePixels::DeviceRect(const Rect& rect) const {
    const Rect area = rect.Intersected(Bounds());
    if (area.IsEmpty()) return {};
    const int right = area.right >= mWidth ? mImage.width() : mGrid.Edge(area.right);
    const int bottom = area.bottom >= mHeight ? mImage.height() : mGrid.Edge(area.bottom);
    const int left = mGrid.Edge(area.left);
    const int top = mGrid.Edge(area.top);
    return {left, top, right - left, bottom - top};
}

void DevicePixels::Fill(const Rect& rect, QRgb pixel) {
    const QRect area = DeviceRect(rect);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(mImage.scanLine(y)) + area.left(), area.width(), pixel);
}

QRgb DevicePixels::At(int x, int y) const {
    return reinterpret_cast<const QRgb*>(mImage.constScanLine(mGrid.Edge(y)))[mGrid.Edge(x)];
}

QPoint DevicePixels::PixelAt(int x, int y) const {
    // The last column and row also take what a fractional ratio leaves over.
    return {std::min(mGrid.PixelAt(x), mWidth - 1), std::min(mGrid.PixelAt(y), mHeight - 1)};
}

DevicePixels DevicePixels::Rebuilt(int width, int height, DeviceGrid grid, QRgb fill) const {
    DevicePixels rebuilt(width, height, grid, fill);
    if (rebuilt.mImage.isNull() || mImage.isNull()) return rebuilt;
    const int keepWidth = std::min(width, mWidth);
    const int keepHeight = std::min(height, mHeight);
    if (grid == mGrid) {
        const QRect keep = DeviceRect({0, 0, keepWidth, keepHeight}).intersected(rebuilt.mImage.rect());
        for (int y = keep.top(); y <= keep.bottom(); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(mImage.constScanLine(y)), keep.width(),
                        reinterpret_cast<QRgb*>(rebuilt.mImage.scanLine(y)));
        return rebuilt;
    }
    for (int y = 0; y < keepHeight; ++y)
        for (int x = 0; x < keepWidth; ++x) rebuilt.Fill({x, y, x + 1, y + 1}, At(x, y));
    return rebuilt;
}

}  // namespace tirnel
