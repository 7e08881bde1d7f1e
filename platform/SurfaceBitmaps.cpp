// Bitmap transfers of Surface: device-independent bitmaps, in-memory images and icons, copied or
// combined by raster operation or mask, stretched by nearest neighbour.

#include "platform/PictureObject.h"
#include "platform/Surface.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tirnel {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kChannels = 0x00FFFFFFu;

using RasterOp = QRgb (*)(QRgb dest, QRgb source);

struct RasterOpEntry {
    std::uint32_t code;
    RasterOp op;
};

constexpr std::array<RasterOpEntry, 4> kRasterOps = {{
    {kSrcCopy, [](QRgb, QRgb s) { return s | kOpaque; }},
    {kSrcAnd, [](QRgb d, QRgb s) { return (d & s & kChannels) | kOpaque; }},
    {kSrcPaint, [](QRgb d, QRgb s) { return ((d | s) & kChannels) | kOpaque; }},
    {kSrcInvert, [](QRgb d, QRgb s) { return ((d ^ s) & kChannels) | kOpaque; }},
}};

RasterOp FindRasterOp(std::uint32_t code) {
    const auto* entry = std::find_if(kRasterOps.begin(), kRasterOps.end(),
                                     [code](const RasterOpEntry& e) { return e.code == code; });
    return entry == kRasterOps.end() ? nullptr : entry->op;
}

// The source index (0 .. source - 1) shown at destination index d (0 .. dest - 1).
int NearestSource(int d, int source, int dest) {
    const std::int64_t d64 = d;
    if (dest > source) return static_cast<int>(((2 * d64 + 1) * source - 1) / (2 * static_cast<std::int64_t>(dest)));
    return static_cast<int>((2 * d64 * source + dest) / (2 * static_cast<std::int64_t>(dest)));
}

// Reads the pixels of a bitmap's stored rows (row 0 = first row in memory).
class DibReader {
public:
    DibReader(std::span<const std::uint8_t> bits, const BitmapInfoHeader& header, int rows)
        : mBits(bits), mStride(DibRowStride(header.width, header.bitCount)), mWidth(header.width), mRows(rows),
          mBytesPerPixel(header.bitCount / 8) {}

    // Whether the header describes something this reader handles and `bits` holds all rows.
    static bool Usable(std::span<const std::uint8_t> bits, const BitmapInfoHeader& header, int rows,
                       unsigned colorUse) {
        const bool format = header.size >= 40 && header.planes == 1 &&
                            (header.bitCount == 24 || header.bitCount == 32) && header.compression == kBiRgb &&
                            header.width > 0 && header.height != 0 && colorUse == kDibRgbColors;
        return format && rows >= 0 &&
               static_cast<std::int64_t>(bits.size()) >= DibRowStride(header.width, header.bitCount) * rows;
    }

    bool Has(int column, int row) const { return column >= 0 && column < mWidth && row >= 0 && row < mRows; }

    QRgb At(int column, int row) const {
        const std::uint8_t* p = mBits.data() + mStride * row + static_cast<std::int64_t>(column) * mBytesPerPixel;
        return qRgb(p[2], p[1], p[0]);
    }

private:
    std::span<const std::uint8_t> mBits;
    std::int64_t mStride;
    int mWidth;
    int mRows;
    int mBytesPerPixel;
};

// Combines every pixel of the destination rectangle at (xDest, yDest), destWidth x destHeight
// (clipped to the picture, in 64 bits: its far edge may lie beyond the range of int) with the
// source pixel the stretch picks for it, every device pixel of its block. `fetch(sx, sy)`
// receives indices into the source rectangle (0 = its left column / top row) and reports
// whether the bitmap has that pixel; `combine` gives the new destination pixel.
template <typename Fetch, typename Combine>
void StretchOnto(DevicePixels& pixels, int xDest, int yDest, int destWidth, int destHeight, int srcWidth,
                 int srcHeight, Fetch fetch, Combine combine) {
    const auto left = static_cast<int>(std::max<std::int64_t>(xDest, 0));
    const auto top = static_cast<int>(std::max<std::int64_t>(yDest, 0));
    const auto right = static_cast<int>(std::min<std::int64_t>(std::int64_t{xDest} + destWidth, pixels.Width()));
    const auto bottom = static_cast<int>(std::min<std::int64_t>(std::int64_t{yDest} + destHeight, pixels.Height()));
    for (int y = top; y < bottom; ++y) {
        const int sy = NearestSource(y - yDest, srcHeight, destHeight);
        for (int x = left; x < right; ++x) {
            QRgb source = 0;
            if (fetch(NearestSource(x - xDest, srcWidth, destWidth), sy, source))
                pixels.Apply(x, y, [&](QRgb dest) { return combine(dest, source); });
        }
    }
}

QImage AsRgb32(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
               ? image
               : image.convertToFormat(QImage::Format_RGB32);
}

// Fetches pixels of the rectangle (xSrc, ySrc, ...) of an image, rows top first.
auto ImageFetch(const QImage& image, int xSrc, int ySrc) {
    return [&image, xSrc, ySrc](int sx, int sy, QRgb& pixel) {
        const int x = xSrc + sx;
        const int y = ySrc + sy;
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return false;
        pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
        return true;
    };
}

// An icon pixel with its mask bit in the alpha byte: 0xFF where the mask is set.
QRgb WithMaskBit(QRgb color, bool maskSet) { return (color & kChannels) | (maskSet ? kOpaque : 0u); }

// D = (D AND M) XOR C, M white where the mask is set (carried in the source's alpha byte).
QRgb MaskThenInvert(QRgb dest, QRgb source) {
    const QRgb mask = qAlpha(source) != 0 ? kChannels : 0u;
    return (((dest & mask) ^ source) & kChannels) | kOpaque;
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

int Surface::SetDIBitsToDevice(int xDest, int yDest, int width, int height, int xSrc, int ySrc, int startScan,
                               int scanLines, std::span<const std::uint8_t> bits, const BitmapInfoHeader& header,
                               unsigned colorUse) {
    // Only bottom-up bitmaps: the scan-line numbering counts from their bottom row.
    if (header.height <= 0 || width <= 0 || height <= 0 || startScan < 0 || scanLines <= 0 ||
        !DibReader::Usable(bits, header, scanLines, colorUse))
        return 0;
    const DibReader reader(bits, header, scanLines);
    // Destination row 0 shows the top row of the source rectangle, scan line ySrc + height - 1.
    auto fetch = [&](int sx, int sy, QRgb& pixel) {
        const std::int64_t scan = static_cast<std::int64_t>(ySrc) + height - 1 - sy;
        if (scan >= header.height) return false;
        const int stored = static_cast<int>(scan - startScan);
        if (!reader.Has(xSrc + sx, stored)) return false;
        pixel = reader.At(xSrc + sx, stored);
        return true;
    };
    StretchOnto(mPixels, xDest, yDest, width, height, width, height, fetch,
                FindRasterOp(kSrcCopy));
    return scanLines;
}

int Surface::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                           int srcHeight, std::span<const std::uint8_t> bits, const BitmapInfoHeader& header,
                           unsigned colorUse, std::uint32_t rop) {
    const RasterOp op = FindRasterOp(rop);
    const int rows = std::abs(header.height);
    if (op == nullptr || destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0 ||
        !DibReader::Usable(bits, header, rows, colorUse))
        return 0;
    const DibReader reader(bits, header, rows);
    const bool bottomUp = header.height > 0;
    // A bottom-up bitmap's source rectangle is placed from its bottom row, like its storage.
    auto fetch = [&](int sx, int sy, QRgb& pixel) {
        const std::int64_t stored = bottomUp ? static_cast<std::int64_t>(ySrc) + srcHeight - 1 - sy
                                             : static_cast<std::int64_t>(ySrc) + sy;
        if (stored < 0 || stored >= rows || !reader.Has(xSrc + sx, static_cast<int>(stored))) return false;
        pixel = reader.At(xSrc + sx, static_cast<int>(stored));
        return true;
    };
    StretchOnto(mPixels, xDest, yDest, destWidth, destHeight, srcWidth, srcHeight, fetch, op);
    return rows;
}

bool Surface::StretchBlt(int xDest, int yDest, int destWidth, int destHeight, const QImage& source, int xSrc,
                         int ySrc, int srcWidth, int srcHeight, std::uint32_t rop) {
    const RasterOp op = FindRasterOp(rop);
    if (op == nullptr || destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0 || source.isNull())
        return false;
    const QImage image = AsRgb32(source);
    StretchOnto(mPixels, xDest, yDest, destWidth, destHeight, srcWidth, srcHeight,
                ImageFetch(image, xSrc, ySrc), op);
    return true;
}

bool Surface::TransparentBlt(int xDest, int yDest, int destWidth, int destHeight, const QImage& source, int xSrc,
                             int ySrc, int srcWidth, int srcHeight, Color transparent) {
    if (destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0 || source.isNull()) return false;
    const QImage image = AsRgb32(source);
    auto keep = [transparent](QRgb dest, QRgb source) {
        return FromQRgb(source) == transparent ? dest : (source | kOpaque);
    };
    StretchOnto(mPixels, xDest, yDest, destWidth, destHeight, srcWidth, srcHeight,
                ImageFetch(image, xSrc, ySrc), keep);
    return true;
}

// The normal mode: mask and colour image stretched alike; an icon with only an alpha channel
// is blended by it.
bool Surface::DrawIconEx(int x, int y, const PictureObject& icon, int width, int height) {
    if (width <= 0 || height <= 0 || icon.Type() == PictureObject::kNone) return false;
    const int sourceWidth = icon.Image().width();
    const int sourceHeight = icon.Image().height();
    if (icon.BlendsWithAlpha()) {
        auto fetch = [&icon](int sx, int sy, QRgb& pixel) {
            pixel = icon.Pixel(sx, sy);
            return true;
        };
        StretchOnto(mPixels, x, y, width, height, sourceWidth, sourceHeight, fetch, BlendOver);
    } else {
        auto fetch = [&icon](int sx, int sy, QRgb& pixel) {
            pixel = WithMaskBit(icon.Pixel(sx, sy), icon.MaskSet(sx, sy));
            return true;
        };
        StretchOnto(mPixels, x, y, width, height, sourceWidth, sourceHeight, fetch, MaskThenInvert);
    }
    return true;
}

}  // namespace tirnel
