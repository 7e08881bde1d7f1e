#pragma once

// A device-independent bitmap held in memory, ready for SetDIBitsToDevice and StretchDIBits:
// 24 or 32 bits per pixel, rows padded to a multiple of 4 bytes, stored bottom row first for a
// positive height and top row first for a negative one. The bytes start at zero. A buffer that
// cannot be made (zero or negative width, zero height, another bit count, or more bytes than
// kMaxBytes) is empty: it has no bytes and a header of width and height 0, so a transfer of it
// draws nothing.

#include "platform/BitmapInfo.h"
#include "platform/ColorChannels.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tirnel {

class DibBuffer {
public:
    static constexpr std::int64_t kMaxBytes = std::int64_t{256} << 20;

    DibBuffer() = default;
    DibBuffer(std::int32_t width, std::int32_t height, std::uint16_t bitCount);

    // The header of such a buffer: size 40, 1 plane, BI_RGB, image size = stride x rows; the
    // header of an empty buffer when it cannot be made.
    static BitmapInfoHeader HeaderOf(std::int32_t width, std::int32_t height, std::uint16_t bitCount);

    bool IsEmpty() const { return mBits.empty(); }
    int Width() const { return mHeader.width; }
    // Number of rows, whatever the storage order.
    int Rows() const { return mRows; }
    const BitmapInfoHeader& Header() const { return mHeader; }
    std::int64_t Stride() const { return mStride; }
    std::span<std::uint8_t> Bits() { return mBits; }
    std::span<const std::uint8_t> Bits() const { return mBits; }

    // The first byte of the row shown at that image row (0 = top), or nullptr outside.
    std::uint8_t* Row(int imageRowFromTop);
    const std::uint8_t* Row(int imageRowFromTop) const;

    // Stores blue, green, red (and 0 in a 32-bit pixel's fourth byte); nothing outside.
    void SetPixel(int x, int yFromTop, Color rgb);

private:
    BitmapInfoHeader mHeader = HeaderOf(0, 0, 24);
    int mRows = 0;
    std::int64_t mStride = 0;
    std::vector<std::uint8_t> mBits;
};

}  // namespace tirnel
