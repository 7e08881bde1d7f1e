#include "platform/DevicePixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tirnel {
namespace {

using Rows = std::vector<std::string>;

constexpr QRgb kPaper = 0xFFFFFFFFu;
constexpr QRgb kInk = 0xFF000000u;
constexpr QRgb kRed = 0xFFFF0000u;

// The device pixels as rows: '.' paper, '#' ink, 'r' red, '?' anything else.
Rows DeviceRows(const DevicePixels& pixels) {
    Rows rows;
    const QImage& image = pixels.Image();
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += p == kPaper ? '.' : p == kInk ? '#' : p == kRed ? 'r' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// A rectangle of 1× pixels fills exactly the device pixels of its blocks, clipped to the
// picture; at 1.5 the last column and row take what is left of the image.
TEST(DevicePixelsTest, FillCoversTheBlocksOfTheRectangle) {
    struct Case {
        double ratio;
        Rect rect;
        Rows rows;
    };
    const Case cases[] = {
        {1.0, {1, 0, 2, 1}, {".#.", "...", "..."}},
        {2.0, {1, 0, 2, 1}, {"..##..", "..##..", "......", "......", "......", "......"}},
        {2.0, {2, 2, 9, 9}, {"......", "......", "......", "......", "....##", "....##"}},
        {2.0, {-5, 1, 1, 2}, {"......", "......", "##....", "##....", "......", "......"}},
        {2.0, {1, 1, 1, 3}, {"......", "......", "......", "......", "......", "......"}},
        {1.5, {0, 0, 1, 1}, {"#....", ".....", ".....", ".....", "....."}},
        {1.5, {1, 1, 2, 2}, {".....", ".##..", ".##..", ".....", "....."}},
        {1.5, {2, 0, 3, 3}, {"...##", "...##", "...##", "...##", "...##"}},
    };
    for (const Case& c : cases) {
        DevicePixels pixels(3, 3, DeviceGrid(c.ratio), kPaper);
        pixels.Fill(c.rect, kInk);
        EXPECT_EQ(DeviceRows(pixels), c.rows) << c.ratio << " " << c.rect.left << "," << c.rect.top;
    }
}

// A change of one 1× pixel reaches each of its device pixels once, as they stand; reading a
// pixel gives the first device pixel of its block.
TEST(DevicePixelsTest, ApplyChangesEachDevicePixelOfTheBlock) {
    DevicePixels pixels(2, 1, DeviceGrid(2.0), kPaper);
    pixels.Image().setPixel(1, 1, kRed);  // inside the block of (0, 0), not its first pixel
    pixels.Apply(0, 0, [](QRgb p) { return p == kRed ? kPaper : kInk; });
    pixels.Apply(5, 0, [](QRgb) { return kRed; });  // outside: nothing
    EXPECT_EQ(DeviceRows(pixels), (Rows{"##..", "#..."}));
    EXPECT_EQ(pixels.At(0, 0), kInk);
    EXPECT_EQ(pixels.At(1, 0), kPaper);
}

// A new size or grid keeps the overlap as its 1× pixels show it.
TEST(DevicePixelsTest, RebuiltKeepsTheOverlap) {
    struct Case {
        double from;
        double to;
        int width;
        Rows rows;
    };
    const Case cases[] = {
        {1.0, 2.0, 2, {"##rr", "##rr"}},
        {2.0, 1.0, 3, {"#r."}},
        {2.0, 2.0, 1, {"##", "##"}},
        {1.0, 1.5, 2, {"#rr", "#rr"}},
    };
    for (const Case& c : cases) {
        DevicePixels pixels(2, 1, DeviceGrid(c.from), kPaper);
        pixels.Fill({0, 0, 1, 1}, kInk);
        pixels.Fill({1, 0, 2, 1}, kRed);
        const DevicePixels rebuilt = pixels.Rebuilt(c.width, 1, DeviceGrid(c.to), kPaper);
        EXPECT_EQ(rebuilt.Width(), c.width);
        EXPECT_EQ(DeviceRows(rebuilt), c.rows) << c.from << " to " << c.to;
    }
}

}  // namespace
}  // namespace tirnel
