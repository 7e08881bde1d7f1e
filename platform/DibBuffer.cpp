#include "platform/DibBuffer.h"

#include <cstdlib>

namespace tirnel {

BitmapInfoHeader DibBuffer::HeaderOf(std::int32_t width, std::int32_t height, std::uint16_t bitCount) {
    BitmapInfoHeader header;
    header.width = 0;
    header.height = 0;
    header.planes = 1;
    header.bitCount = bitCount == 32 ? 32 : 24;
    header.compression = kBiRgb;
    header.sizeImage = 0;
    if (width <= 0 || height == 0 || (bitCount != 24 && bitCount != 32)) return header;
    const std::int64_t rows = std::llabs(static_cast<std::int64_t>(height));
    const std::int64_t stride = DibRowStride(width, bitCount);
    // Divided rather than multiplied: stride and rows can each reach 2^33 and 2^31.
    if (rows > kMaxBytes / stride) return header;
    header.width = width;
    header.height = height;
    header.sizeImage = static_cast<std::uint32_t>(stride * rows);
    return header;
}

DibBuffer::DibBuffer(std::int32_t width, std::int32_t height, std::uint16_t bitCount)
    : mHeader(HeaderOf(width, height, bitCount)) {
    if (mHeader.width == 0) return;
    mRows = static_cast<int>(std::llabs(static_cast<std::int64_t>(mHeader.height)));
    mStride = DibRowStride(mHeader.width, mHeader.bitCount);
    mBits.assign(mHeader.sizeImage, 0);
}

const std::uint8_t* DibBuffer::Row(int imageRowFromTop) const {
    if (imageRowFromTop < 0 || imageRowFromTop >= mRows) return nullptr;
    const int stored = mHeader.height > 0 ? mRows - 1 - imageRowFromTop : imageRowFromTop;
    return mBits.data() + mStride * stored;
}

std::uint8_t* DibBuffer::Row(int imageRowFromTop) {
    return const_cast<std::uint8_t*>(static_cast<const DibBuffer&>(*this).Row(imageRowFromTop));
}

void DibBuffer::SetPixel(int x, int yFromTop, Color rgb) {
    std::uint8_t* row = Row(yFromTop);
    if (row == nullptr || x < 0 || x >= mHeader.width) return;
    std::uint8_t* pixel = row + static_cast<std::int64_t>(x) * (mHeader.bitCount / 8);
    const ColorTriple triple = TripleOf(rgb);
    pixel[0] = triple.Blue;
    pixel[1] = triple.Green;
    pixel[2] = triple.Red;
    if (mHeader.bitCount == 32) pixel[3] = 0;
}

}  // namespace tirnel
