// The surface at a device pixel ratio: 1× geometry as blocks of device pixels, text at the
// device resolution.

#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <array>
#include <functional>
#include <tuple>

namespace tirnel {
namespace {

using test::kInk;
using test::kWhite;
using Rows = std::vector<std::string>;

constexpr Color kBlack = 0;

// The device pixels as rows: '.' white, '#' ink, 'k' black, '1'..'3' the greys 63, 127, 191.
Rows DeviceRows(const Surface& surface) {
    const test::Legend legend = {{kWhite, '.'}, {kInk, '#'},           {kBlack, 'k'},
                                 {RGB(63, 63, 63), '1'}, {RGB(127, 127, 127), '2'}, {RGB(191, 191, 191), '3'}};
    Rows rows;
    const QImage& image = surface.Image();
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const auto it = legend.find(FromQRgb(image.pixel(x, y)));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// Rows with every character an n x n block.
Rows Blocks(const Rows& rows, int n) {
    Rows out;
    for (const std::string& row : rows) {
        std::string wide;
        for (const char c : row) wide += std::string(static_cast<std::size_t>(n), c);
        for (int i = 0; i < n; ++i) out.push_back(wide);
    }
    return out;
}

TEST(SurfaceRatioTest, ARatioKeepsTheSizeAndThePictureIn1xPixels) {
    struct Case {
        double ratio;
        QSize image;
    };
    const Case cases[] = {{1.0, {5, 3}}, {2.0, {10, 6}}, {1.5, {8, 5}}, {3.0, {15, 9}}, {0.5, {5, 3}}};
    for (const Case& c : cases) {
        Surface surface = test::BlankSurface(5, 3);
        surface.SetPixel(4, 2, kInk);
        surface.SetDeviceRatio(c.ratio);
        EXPECT_EQ(surface.Width(), 5);
        EXPECT_EQ(surface.Height(), 3);
        EXPECT_EQ(surface.Image().size(), c.image) << c.ratio;
        EXPECT_EQ(surface.GetPixel(4, 2), kInk) << c.ratio;
        EXPECT_EQ(surface.GetPixel(3, 2), kWhite) << c.ratio;
        surface.Resize(6, 3);  // a new size keeps the ratio
        EXPECT_EQ(surface.DeviceRatio(), c.ratio < 1 ? 1.0 : c.ratio);
    }
}

// Each drawing call at ratio 2 puts its 1× picture on the screen as 2 x 2 blocks.
TEST(SurfaceRatioTest, ShapesLinesGradientsAndBitmapsAreBlocks) {
    struct Case {
        const char* call;
        std::function<void(Surface&)> draw;
        Rows pixels;  // at 1×
    };
    QImage bitmap(2, 1, QImage::Format_RGB32);
    bitmap.setPixel(0, 0, ToQRgb(kInk));
    bitmap.setPixel(1, 0, ToQRgb(kWhite));
    const std::array<TriVertex, 2> grey = {{{0, 0, 0, 0, 0, 0}, {4, 1, 0xFF00, 0xFF00, 0xFF00, 0}}};
    const std::array<GradientRect, 1> band = {{{0, 1}}};
    const Case cases[] = {
        {"FrameRect", [](Surface& s) { s.FrameRect({0, 0, 4, 3}, kInk); }, {"####", "#..#", "####"}},
        {"LineTo",
         [](Surface& s) {
             s.MoveToEx(0, 0);
             s.LineTo(4, 2);
         },
         {"##..", "..##", "...."}},
        {"DrawFocusRect", [](Surface& s) { s.DrawFocusRect({0, 0, 4, 3}); }, {"k.k.", "...k", "k.k."}},
        {"GradientFill", [&](Surface& s) { s.GradientFill(grey, band, kGradientFillRectH); },
         {"k123", "....", "...."}},
        {"StretchBlt", [&](Surface& s) { s.StretchBlt(0, 1, 4, 1, bitmap, 0, 0, 2, 1, kSrcCopy); },
         {"....", "##..", "...."}},
    };
    for (const Case& c : cases) {
        Surface surface = test::BlankSurface(4, 3);
        surface.SetDeviceRatio(2.0);
        c.draw(surface);
        EXPECT_EQ(DeviceRows(surface), Blocks(c.pixels, 2)) << c.call;
    }
}

// Text is measured and placed in 1× pixels, as at ratio 1, and printed at the device
// resolution inside the device pixels of its cell: not as 2 x 2 blocks.
TEST(SurfaceRatioTest, TextIsPrintedAtTheDeviceResolutionInItsCell) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    Surface plain = test::BlankSurface(40, 20);
    plain.SetFont(font);
    Surface sharp = test::BlankSurface(40, 20);
    sharp.SetFont(font);
    sharp.SetDeviceRatio(2.0);
    EXPECT_EQ(sharp.TextWidth(QStringLiteral("Hg")), plain.TextWidth(QStringLiteral("Hg")));
    EXPECT_EQ(sharp.TextHeight(QStringLiteral("Hg")), plain.TextHeight(QStringLiteral("Hg")));

    sharp.MoveToEx(3, 2);
    sharp.Print(QStringLiteral("Hg"));
    const QRect cell(6, 4, 2 * sharp.TextWidth(QStringLiteral("Hg")), 2 * sharp.TextHeight(QStringLiteral("Hg")));
    const QImage& image = sharp.Image();
    int inked = 0;
    int mixedBlocks = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != ToQRgb(kWhite)) {
                ++inked;
                EXPECT_TRUE(cell.contains(x, y)) << x << "," << y;
                const QRgb first = image.pixel(x & ~1, y & ~1);
                if (image.pixel(x, y) != first) ++mixedBlocks;
            }
    EXPECT_GT(inked, 0);
    EXPECT_GT(mixedBlocks, 0);
}

// The prefix underline is a line: one 1× row, two device rows at ratio 2.
TEST(SurfaceRatioTest, TheUnderlineIsA1xRow) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    Surface surface = test::BlankSurface(40, 20);
    surface.SetFont(font);
    surface.SetDeviceRatio(2.0);
    const QFontMetrics metrics(font, &surface.Image());
    surface.DrawText(QStringLiteral("&H"), {0, 0, 40, 20}, kDtSingleLine);
    const int row = metrics.ascent() + 1;
    const int x = metrics.horizontalAdvance(QStringLiteral("H")) / 2;
    const QImage& image = surface.Image();
    for (const auto& [dx, dy, ink] : {std::tuple{0, -1, false}, {0, 0, true}, {1, 1, true}, {0, 2, false}})
        EXPECT_EQ(FromQRgb(image.pixel(2 * x + dx, 2 * row + dy)) == kInk, ink) << dx << "," << dy;
}

}  // namespace
}  // namespace tirnel
