// Device-independent bitmaps in memory: row order, stride and padding, pixel bytes, and the
// sizes that make no buffer.

#include "platform/DibBuffer.h"
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace tirnel {
namespace {

TEST(DibBufferTest, RowsStrideAndPaddingOfNarrowBitmaps) {
    struct Case {
        int width, bitCount;
        std::int64_t stride;
    };
    const Case cases[] = {{1, 24, 4}, {2, 24, 8}, {3, 24, 12}, {4, 24, 12}, {1, 32, 4}, {3, 32, 12}};
    for (const Case& c : cases) {
        for (const int height : {3, -3}) {  // bottom-up, top-down
            DibBuffer buffer(c.width, height, static_cast<std::uint16_t>(c.bitCount));
            const std::string what = std::to_string(c.width) + "x" + std::to_string(height) + "@" +
                                     std::to_string(c.bitCount);
            ASSERT_FALSE(buffer.IsEmpty()) << what;
            EXPECT_EQ(buffer.Stride(), c.stride) << what;
            ASSERT_EQ(buffer.Bits().size(), static_cast<std::size_t>(c.stride * 3)) << what;
            EXPECT_TRUE(std::all_of(buffer.Bits().begin(), buffer.Bits().end(), [](auto b) { return b == 0; })) << what;
            const BitmapInfoHeader& header = buffer.Header();
            EXPECT_EQ(header.size, 40u);
            EXPECT_EQ(header.width, c.width);
            EXPECT_EQ(header.height, height);
            EXPECT_EQ(header.planes, 1);
            EXPECT_EQ(header.bitCount, c.bitCount);
            EXPECT_EQ(header.compression, kBiRgb);
            EXPECT_EQ(header.sizeImage, static_cast<std::uint32_t>(c.stride * 3)) << what;

            // Fill every byte with junk, then set each pixel to a colour of its place.
            std::fill(buffer.Bits().begin(), buffer.Bits().end(), 0xEE);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < c.width; ++x) buffer.SetPixel(x, y, RGB(x + 1, y + 1, 0x80));
            buffer.SetPixel(c.width, 0, RGB(9, 9, 9));  // outside: nothing
            buffer.SetPixel(0, 3, RGB(9, 9, 9));

            const int bytesPerPixel = c.bitCount / 8;
            for (int y = 0; y < 3; ++y) {
                const int stored = height > 0 ? 2 - y : y;
                const std::uint8_t* row = buffer.Row(y);
                ASSERT_EQ(row, buffer.Bits().data() + stored * c.stride) << what << " row " << y;
                for (int x = 0; x < c.width; ++x) {
                    const std::uint8_t* p = row + x * bytesPerPixel;
                    EXPECT_EQ(p[0], 0x80) << what;   // blue
                    EXPECT_EQ(p[1], y + 1) << what;  // green
                    EXPECT_EQ(p[2], x + 1) << what;  // red
                    if (bytesPerPixel == 4) {
                        EXPECT_EQ(p[3], 0) << what;
                    }
                }
                for (std::int64_t b = static_cast<std::int64_t>(c.width) * bytesPerPixel; b < c.stride; ++b)
                    EXPECT_EQ(row[b], 0xEE) << what << " padding untouched";
            }
            EXPECT_EQ(buffer.Row(-1), nullptr);
            EXPECT_EQ(buffer.Row(3), nullptr);
        }
    }
}

TEST(DibBufferTest, SizesThatMakeNoBufferGiveAnEmptyOne) {
    struct Case {
        const char* what;
        std::int32_t width, height;
        std::uint16_t bitCount;
    };
    const Case cases[] = {
        {"zero width", 0, 4, 24},
        {"negative width", -4, 4, 24},
        {"zero height", 4, 0, 24},
        {"16 bits", 4, 4, 16},
        {"one row past the limit", 1 << 20, 65, 32},  // 4 MiB rows: 64 of them are the limit
        {"widest and tallest", INT_MAX, INT_MAX, 32},
        {"most negative height", 1, INT_MIN, 24},
    };
    for (const Case& c : cases) {
        DibBuffer buffer(c.width, c.height, c.bitCount);
        EXPECT_TRUE(buffer.IsEmpty()) << c.what;
        EXPECT_TRUE(buffer.Bits().empty()) << c.what;
        EXPECT_EQ(buffer.Header().width, 0) << c.what;
        EXPECT_EQ(buffer.Header().height, 0) << c.what;
        EXPECT_EQ(buffer.Header().sizeImage, 0u) << c.what;
        EXPECT_EQ(buffer.Row(0), nullptr) << c.what;
        buffer.SetPixel(0, 0, RGB(1, 2, 3));  // harmless
        // Handed to a transfer it draws nothing.
        Surface surface(2, 2);
        surface.SetBackColor(RGB(7, 7, 7));
        surface.Clear();
        EXPECT_EQ(surface.StretchDIBits(0, 0, 2, 2, 0, 0, 1, 1, buffer.Bits(), buffer.Header(), kDibRgbColors, kSrcCopy),
                  0)
            << c.what;
        EXPECT_EQ(surface.GetPixel(0, 0), RGB(7, 7, 7)) << c.what;
    }
}

TEST(DibBufferTest, ATransferShowsTheImageRowsTopFirstInEitherOrder) {
    for (const int height : {2, -2}) {
        DibBuffer buffer(2, height, 32);
        buffer.SetPixel(0, 0, RGB(1, 0, 0));
        buffer.SetPixel(1, 0, RGB(2, 0, 0));
        buffer.SetPixel(0, 1, RGB(3, 0, 0));
        buffer.SetPixel(1, 1, RGB(4, 0, 0));
        Surface surface(2, 2);
        EXPECT_EQ(surface.StretchDIBits(0, 0, 2, 2, 0, 0, 2, 2, buffer.Bits(), buffer.Header(), kDibRgbColors, kSrcCopy),
                  2);
        EXPECT_EQ(surface.GetPixel(0, 0), RGB(1, 0, 0)) << height;
        EXPECT_EQ(surface.GetPixel(1, 0), RGB(2, 0, 0)) << height;
        EXPECT_EQ(surface.GetPixel(0, 1), RGB(3, 0, 0)) << height;
        EXPECT_EQ(surface.GetPixel(1, 1), RGB(4, 0, 0)) << height;
    }
}

}  // namespace
}  // namespace tirnel
