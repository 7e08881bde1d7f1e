#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tirnel {
namespace {

using test::BlankSurface;
using test::kWhite;
using Bytes = std::vector<std::uint8_t>;

BitmapInfoHeader Header(int width, int height, int bitCount) {
    BitmapInfoHeader header;
    header.width = width;
    header.height = height;
    header.bitCount = static_cast<std::uint16_t>(bitCount);
    return header;
}

// Stored rows (first in memory first) of 24-bit pixels given as colour values; the padding
// bytes are filled with junk that must not show.
Bytes Rows24(const std::vector<std::vector<Color>>& storedRows) {
    Bytes bits;
    for (const auto& row : storedRows) {
        for (const Color c : row) {
            bits.push_back(static_cast<std::uint8_t>(c >> 16));  // blue
            bits.push_back(static_cast<std::uint8_t>(c >> 8));   // green
            bits.push_back(static_cast<std::uint8_t>(c));        // red
        }
        while (bits.size() % 4 != 0) bits.push_back(0xEE);
    }
    return bits;
}

constexpr Color kA = 0x102030, kB = 0x405060, kC = 0x708090, kD = 0x0A0B0C, kE = 0x1A1B1C, kF = 0x2A2B2C;

TEST(SurfaceBitmapsTest, SetDIBitsPutsTheBottomRowLast) {
    Surface surface = BlankSurface(5, 4);
    const Bytes bits = Rows24({{kA, kB, kC}, {kD, kE, kF}});  // bottom row A B C, top row D E F
    ASSERT_EQ(bits.size(), 24u);
    EXPECT_EQ(surface.SetDIBitsToDevice(1, 1, 3, 2, 0, 0, 0, 2, bits, Header(3, 2, 24)), 2);
    const std::vector<std::vector<Color>> expected = {
        {kWhite, kWhite, kWhite, kWhite, kWhite},
        {kWhite, kD, kE, kF, kWhite},
        {kWhite, kA, kB, kC, kWhite},
        {kWhite, kWhite, kWhite, kWhite, kWhite},
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(surface.GetPixel(x, y), expected[y][x]) << x << "," << y;
}

TEST(SurfaceBitmapsTest, SetDIBitsReadsThirtyTwoBitRowsAndClips) {
    Surface surface = BlankSurface(3, 1);
    const Bytes bits = {0x03, 0x02, 0x01, 0x99, 0x06, 0x05, 0x04, 0x99, 0x09, 0x08, 0x07, 0x99, 0x0C, 0x0B, 0x0A, 0x99};
    EXPECT_EQ(surface.SetDIBitsToDevice(-1, 0, 4, 1, 0, 0, 0, 1, bits, Header(4, 1, 32)), 1);
    EXPECT_EQ(surface.GetPixel(0, 0), RGB(4, 5, 6));
    EXPECT_EQ(surface.GetPixel(1, 0), RGB(7, 8, 9));
    EXPECT_EQ(surface.GetPixel(2, 0), RGB(10, 11, 12));
}

TEST(SurfaceBitmapsTest, SetDIBitsDrawsOnlyTheScanLinesHandedOver) {
    // A 1 x 4 bitmap of which scan lines 1 and 2 (counted from the bottom) are given.
    Surface surface = BlankSurface(1, 4);
    const Bytes bits = Rows24({{kA}, {kB}});
    EXPECT_EQ(surface.SetDIBitsToDevice(0, 0, 1, 4, 0, 0, 1, 2, bits, Header(1, 4, 24)), 2);
    EXPECT_EQ(surface.GetPixel(0, 0), kWhite);  // scan line 3
    EXPECT_EQ(surface.GetPixel(0, 1), kB);      // scan line 2
    EXPECT_EQ(surface.GetPixel(0, 2), kA);      // scan line 1
    EXPECT_EQ(surface.GetPixel(0, 3), kWhite);  // scan line 0
}

TEST(SurfaceBitmapsTest, UnusableBitmapsAreRefusedWithoutDrawing) {
    const Bytes bits = Rows24({{kA, kB, kC}, {kD, kE, kF}});
    const Bytes shortBits(bits.begin(), bits.end() - 1);
    BitmapInfoHeader compressed = Header(3, 2, 24);
    compressed.compression = 1;
    struct Case {
        const char* name;
        Bytes data;
        BitmapInfoHeader header;
    };
    const Case cases[] = {
        {"buffer one byte short", shortBits, Header(3, 2, 24)},
        {"16 bits per pixel", bits, Header(3, 2, 16)},
        {"compressed", bits, compressed},
        {"zero width", bits, Header(0, 2, 24)},
    };
    for (const Case& c : cases) {
        Surface surface = BlankSurface(3, 2);
        EXPECT_EQ(surface.SetDIBitsToDevice(0, 0, 3, 2, 0, 0, 0, 2, c.data, c.header), 0) << c.name;
        EXPECT_EQ(surface.StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, c.data, c.header, kDibRgbColors, kSrcCopy), 0)
            << c.name;
        EXPECT_EQ(surface.GetPixel(0, 0), kWhite) << c.name;
        EXPECT_EQ(surface.GetPixel(2, 1), kWhite) << c.name;
    }
    Surface surface = BlankSurface(3, 2);
    EXPECT_EQ(surface.SetDIBitsToDevice(0, 0, 3, 2, 0, 0, 0, 2, bits, Header(3, -2, 24)), 0);  // top-down
    EXPECT_EQ(surface.StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, bits, Header(3, 2, 24), 1, kSrcCopy), 0);  // palette
    EXPECT_EQ(surface.StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, bits, Header(3, 2, 24), 0, 0x00BB0226), 0);
    EXPECT_EQ(surface.GetPixel(1, 1), kWhite);
}

// Source index shown at each destination index, read back from a stretched one-row bitmap
// whose pixel i has red 10 * i.
std::vector<int> StretchedIndices(int source, int dest) {
    std::vector<Color> row;
    for (int i = 0; i < source; ++i) row.push_back(RGB(10 * i, 1, 1));
    Surface surface = BlankSurface(dest, 1);
    surface.StretchDIBits(0, 0, dest, 1, 0, 0, source, 1, Rows24({row}), Header(source, 1, 24), kDibRgbColors,
                          kSrcCopy);
    std::vector<int> indices;
    for (int x = 0; x < dest; ++x) indices.push_back(static_cast<int>(surface.GetPixel(x, 0) & 0xFF) / 10);
    return indices;
}

TEST(SurfaceBitmapsTest, StretchPicksTheNearestSourcePixel) {
    struct Case {
        int source, dest;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {2, 4, {0, 0, 1, 1}},       {2, 3, {0, 0, 1}},    {3, 5, {0, 0, 1, 2, 2}},
        {5, 2, {0, 3}},             {4, 3, {0, 1, 3}},    {3, 3, {0, 1, 2}},
        {1, 3, {0, 0, 0}},          {6, 1, {0}},
    };
    for (const Case& c : cases) EXPECT_EQ(StretchedIndices(c.source, c.dest), c.expected) << c.source << "->" << c.dest;
}

TEST(SurfaceBitmapsTest, StretchSourceRectangleIsPlacedFromTheBottom) {
    // 1 x 4 bitmap, top to bottom kA kB kC kD (stored bottom first). Source rows 1..2 from the
    // bottom are kB (upper) and kC.
    const Bytes bits = Rows24({{kD}, {kC}, {kB}, {kA}});
    Surface surface = BlankSurface(1, 2);
    EXPECT_EQ(surface.StretchDIBits(0, 0, 1, 2, 0, 1, 1, 2, bits, Header(1, 4, 24), kDibRgbColors, kSrcCopy), 4);
    EXPECT_EQ(surface.GetPixel(0, 0), kB);
    EXPECT_EQ(surface.GetPixel(0, 1), kC);

    // Top-down bitmaps count their source rows from the top.
    Surface topDown = BlankSurface(1, 2);
    topDown.StretchDIBits(0, 0, 1, 2, 0, 1, 1, 2, bits, Header(1, -4, 24), kDibRgbColors, kSrcCopy);
    EXPECT_EQ(topDown.GetPixel(0, 0), kC);
    EXPECT_EQ(topDown.GetPixel(0, 1), kB);
}

TEST(SurfaceBitmapsTest, RasterOperationsCombineWithTheDestination) {
    struct Case {
        std::uint32_t rop;
        Color expected;
    };
    const Color dest = RGB(0xF0, 0x0F, 0xAA);
    const Color source = RGB(0x3C, 0xFF, 0x0F);
    const Case cases[] = {
        {kSrcCopy, source},
        {kSrcAnd, RGB(0x30, 0x0F, 0x0A)},
        {kSrcPaint, RGB(0xFC, 0xFF, 0xAF)},
        {kSrcInvert, RGB(0xCC, 0xF0, 0xA5)},
    };
    for (const Case& c : cases) {
        Surface surface(2, 2);
        surface.SetBackColor(dest);
        surface.Clear();
        // 32-bit, bottom-up, stretched from 1 x 1 to 2 x 2.
        const Bytes bits = {0x0F, 0xFF, 0x3C, 0x00};
        EXPECT_EQ(surface.StretchDIBits(0, 0, 2, 2, 0, 0, 1, 1, bits, Header(1, 1, 32), kDibRgbColors, c.rop), 1);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) EXPECT_EQ(surface.GetPixel(x, y), c.expected) << std::hex << c.rop;
        EXPECT_EQ(qAlpha(surface.Image().pixel(1, 1)), 255);
    }
}

QImage ImageOf(const std::vector<Color>& pixels) {
    QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, 0, ToQRgb(pixels[static_cast<std::size_t>(x)]));
    return image;
}

TEST(SurfaceBitmapsTest, TransparentBltLeavesKeyColoredPixels) {
    const Color key = RGB(255, 0, 255);
    Surface surface = BlankSurface(4, 2);
    EXPECT_TRUE(surface.TransparentBlt(0, 0, 4, 2, ImageOf({kA, key}), 0, 0, 2, 1, key));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(surface.GetPixel(0, y), kA);
        EXPECT_EQ(surface.GetPixel(1, y), kA);
        EXPECT_EQ(surface.GetPixel(2, y), kWhite);
        EXPECT_EQ(surface.GetPixel(3, y), kWhite);
    }
    // The key is compared as given: a system colour value matches no pixel.
    const Color face = SystemColor(kColorButtonFace);
    EXPECT_TRUE(surface.TransparentBlt(2, 0, 1, 1, ImageOf({TranslateColor(face)}), 0, 0, 1, 1, face));
    EXPECT_EQ(surface.GetPixel(2, 0), RGB(240, 240, 240));
    EXPECT_FALSE(surface.TransparentBlt(0, 0, 0, 1, ImageOf({kA}), 0, 0, 1, 1, key));
    EXPECT_FALSE(surface.TransparentBlt(0, 0, 1, 1, QImage(), 0, 0, 1, 1, key));
}

TEST(SurfaceBitmapsTest, StretchBltCopiesPartOfAnImage) {
    // Only the top-left pixel of a 3 x 1 image, not scaled; an alpha channel does not carry over.
    QImage image(3, 1, QImage::Format_ARGB32);
    image.fill(qRgba(7, 8, 9, 255));
    image.setPixel(0, 0, qRgba(1, 2, 3, 0));
    image.setPixel(1, 0, qRgba(4, 5, 6, 255));
    Surface surface = BlankSurface(3, 1);
    EXPECT_TRUE(surface.StretchBlt(1, 0, 1, 1, image, 0, 0, 1, 1, kSrcCopy));
    EXPECT_EQ(surface.GetPixel(0, 0), kWhite);
    EXPECT_EQ(surface.GetPixel(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(qAlpha(surface.Image().pixel(1, 0)), 255);
    EXPECT_EQ(surface.GetPixel(2, 0), kWhite);
    // Source pixels beyond the image leave the destination alone.
    EXPECT_TRUE(surface.StretchBlt(0, 0, 3, 1, image, 1, 0, 3, 1, kSrcCopy));
    EXPECT_EQ(surface.GetPixel(0, 0), RGB(4, 5, 6));
    EXPECT_EQ(surface.GetPixel(1, 0), RGB(7, 8, 9));
    EXPECT_EQ(surface.GetPixel(2, 0), kWhite);
}

}  // namespace
}  // namespace tirnel
