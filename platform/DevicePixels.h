#pragma once
// A surface's picture: width x height 1× pixels kept as the device pixels of a DeviceGrid, so
// that whatever the drawing calls put on a 1× pixel covers its whole block, and text can be
// printed into the same picture at the device resolution. At ratio 1 it is the plain image.

#include "platform/DeviceGrid.h"
#include "platform/Rect.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace tirnel {

class DevicePixels {
public:
    DevicePixels() = default;
    // Every pixel `fill`; nothing (a null image) when either side is 0 or less.
    DevicePixels(int width, int height, DeviceGrid grid, QRgb fill);

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    const DeviceGrid& Grid() const { return mGrid; }
    Rect Bounds() const { return {0, 0, mWidth, mHeight}; }
    // The device pixels (32-bit, no alpha), Grid().Extent() of each side.
    const QImage& Image() const { return mImage; }
    QImage& Image() { return mImage; }

    // The device pixels of a rectangle of 1× pixels, clipped to the picture; the last column
    // and row take the rest of the image.
    QRect DeviceRect(const Rect& rect) const;
    void Fill(const Rect& rect, QRgb pixel);
    // The first device pixel of 1× pixel (x, y), which must lie inside.
    QRgb At(int x, int y) const;
    // The 1× pixel device pixel (x, y) of the image shows.
    QPoint PixelAt(int x, int y) const;
    // Each device pixel p of 1× pixel (x, y) becomes change(p); nothing outside the picture.
    template <typename Change>
    void Apply(int x, int y, Change change);

    // A new picture of the given size and grid holding this one's overlap, the rest `fill`.
    // On the same grid the overlap is copied as it stands; on another it is carried over 1×
    // pixel by 1× pixel, each taking the colour at the start of its old block.
    DevicePixels Rebuilt(int width, int height, DeviceGrid grid, QRgb fill) const;

private:
    QImage mImage;
    int mWidth = 0;
    int mHeight = 0;
    DeviceGrid mGrid;
};

template <typename Change>
void DevicePixels::Apply(int x, int y, Change change) {
    const QRect block = DeviceRect({x, y, x + 1, y + 1});
    for (int dy = block.top(); dy <= block.bottom(); ++dy) {
        QRgb* row = reinterpret_cast<QRgb*>(mImage.scanLine(dy));
        for (int dx = block.left(); dx <= block.right(); ++dx) row[dx] = change(row[dx]);
    }
}

}  // namespace tirnel
