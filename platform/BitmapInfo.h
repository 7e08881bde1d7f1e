#pragma once

// The header of a device-independent bitmap (the 40-byte information header) and the constants
// of the bitmap transfers. A positive height means the rows are stored bottom row first; each
// row is padded to a multiple of 4 bytes; 24-bit pixels are blue, green, red and 32-bit pixels
// blue, green, red, unused.

#include <cstdint>

namespace tirnel {

struct BitmapInfoHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

constexpr std::uint32_t kBiRgb = 0;        // uncompressed
constexpr unsigned kDibRgbColors = 0;      // colours as RGB values

// Raster operations of the transfers: D = S, D = D & S, D = D | S, D = D ^ S.
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kSrcAnd = 0x008800C6;
constexpr std::uint32_t kSrcPaint = 0x00EE0086;
constexpr std::uint32_t kSrcInvert = 0x00660046;

// Bytes of one stored row: width x bytes per pixel, padded to a multiple of 4.
constexpr std::int64_t DibRowStride(std::int32_t width, std::uint16_t bitCount) {
    return ((static_cast<std::int64_t>(width) * bitCount + 31) / 32) * 4;
}

}  // namespace tirnel
