#include "platform/Surface.h"
#include "tests/platform/PixelRows.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace tirnel {
namespace {

using test::kInk;
using test::kWhite;

Surface TextSurface(int width, int height) {
    Surface surface = test::BlankSurface(width, height);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    surface.SetFont(font);
    return surface;
}

// The smallest rectangle holding every pixel that is no longer white; empty when none changed.
Rect Touched(const Surface& surface) {
    Rect box{surface.Width(), surface.Height(), 0, 0};
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.GetPixel(x, y) != kWhite) box = {std::min(box.left, x), std::min(box.top, y),
                                                         std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    return box;
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool RowIsInk(const Surface& surface, int y, int left, int right) {
    for (int x = left; x < right; ++x)
        if (surface.GetPixel(x, y) != kInk) return false;
    return true;
}

TEST(SurfaceTextTest, MeasuresLinesAndHeights) {
    Surface surface = TextSurface(10, 10);
    const int line = surface.TextHeight(QStringLiteral("H"));
    EXPECT_GT(line, 0);
    EXPECT_EQ(surface.TextHeight(QString()), line);
    EXPECT_EQ(surface.TextHeight(QStringLiteral("a\nb")), 2 * line);
    EXPECT_EQ(surface.TextHeight(QStringLiteral("a\r\nb\nc")), 3 * line);
    EXPECT_EQ(surface.TextWidth(QString()), 0);
    EXPECT_GT(surface.TextWidth(QStringLiteral("HH")), surface.TextWidth(QStringLiteral("H")));
    EXPECT_EQ(surface.TextWidth(QStringLiteral("H\nHHH\nHH")), surface.TextWidth(QStringLiteral("HHH")));
    // A surface without pixels still measures.
    Surface empty;
    empty.SetFont(surface.Font());
    EXPECT_EQ(empty.TextHeight(QStringLiteral("H")), line);
}

TEST(SurfaceTextTest, PrintStaysInsideTheMeasuredCellAndMovesToTheNextLine) {
    Surface surface = TextSurface(60, 40);
    surface.MoveToEx(5, 3);
    surface.Print(QStringLiteral("Hg"));
    const int width = surface.TextWidth(QStringLiteral("Hg"));
    const int height = surface.TextHeight(QStringLiteral("Hg"));
    const Rect touched = Touched(surface);
    EXPECT_FALSE(touched.IsEmpty());
    EXPECT_TRUE(Inside(touched, {5, 3, 5 + width, 3 + height}));
    EXPECT_EQ(surface.CurrentPosition(), QPoint(0, 3 + height));
    // Transparent: the cell is not filled, so its corner keeps the background.
    EXPECT_EQ(surface.GetPixel(5, 3), kWhite);
}

TEST(SurfaceTextTest, OpaqueModeFillsTheCellWithTheBackground) {
    Surface surface = TextSurface(60, 40);
    surface.SetBackColor(RGB(0, 0, 80));
    surface.SetBkMode(BkMode::Opaque);
    surface.MoveToEx(2, 2);
    surface.Print(QStringLiteral("x"));
    const int width = surface.TextWidth(QStringLiteral("x"));
    const int height = surface.TextHeight(QStringLiteral("x"));
    EXPECT_EQ(Touched(surface), (Rect{2, 2, 2 + width, 2 + height}));
    EXPECT_EQ(surface.GetPixel(2, 2), RGB(0, 0, 80));
}

TEST(SurfaceTextTest, PrefixUnderlinesTheMarkedCharacterOneRowBelowTheBaseline) {
    Surface surface = TextSurface(80, 30);
    const QFontMetrics metrics(surface.Font(), &surface.Image());
    const int row = metrics.ascent() + 1;
    const int left = metrics.horizontalAdvance(QStringLiteral("a"));
    const int right = left + metrics.horizontalAdvance(QStringLiteral("b"));

    EXPECT_EQ(surface.DrawText(QStringLiteral("a&bc"), {0, 0, 80, 30}, kDtSingleLine), metrics.height());
    EXPECT_TRUE(RowIsInk(surface, row, left, right));
    EXPECT_NE(surface.GetPixel(left - 1, row), kInk);
    EXPECT_NE(surface.GetPixel(right, row), kInk);
    // Measured without the marker: nothing beyond the width of "abc".
    EXPECT_LE(Touched(surface).right, metrics.horizontalAdvance(QStringLiteral("abc")));

    Surface plain = TextSurface(80, 30);
    plain.DrawText(QStringLiteral("a&bc"), {0, 0, 80, 30}, kDtSingleLine | kDtNoPrefix);
    EXPECT_FALSE(RowIsInk(plain, row, left, right));
    EXPECT_GT(Touched(plain).right, metrics.horizontalAdvance(QStringLiteral("abc")));
}

TEST(SurfaceTextTest, DrawTextPlacesAndClipsToItsRectangle) {
    Surface probe = TextSurface(1, 1);
    const int width = probe.TextWidth(QStringLiteral("HH"));
    const int height = probe.TextHeight(QStringLiteral("HH"));

    Surface centred = TextSurface(100, 40);
    centred.DrawText(QStringLiteral("HH"), {10, 0, 90, 40}, kDtSingleLine | kDtCenter | kDtVCenter);
    const int x = 10 + (80 - width) / 2;
    const int y = (40 - height) / 2;
    EXPECT_TRUE(Inside(Touched(centred), {x, y, x + width, y + height}));

    Surface right = TextSurface(100, 40);
    right.DrawText(QStringLiteral("HH"), {0, 0, 90, 40}, kDtSingleLine | kDtRight | kDtBottom);
    EXPECT_TRUE(Inside(Touched(right), {90 - width, 40 - height, 90, 40}));

    Surface clipped = TextSurface(100, 40);
    clipped.DrawText(QStringLiteral("&HH"), {0, 0, width / 2, height}, kDtSingleLine);
    EXPECT_FALSE(Touched(clipped).IsEmpty());
    EXPECT_LE(Touched(clipped).right, width / 2);

    Surface unclipped = TextSurface(100, 40);
    unclipped.DrawText(QStringLiteral("HH"), {0, 0, width / 2, height}, kDtSingleLine | kDtNoClip);
    EXPECT_GT(Touched(unclipped).right, width / 2);

    Surface nothing = TextSurface(100, 40);
    nothing.DrawText(QStringLiteral("&HH"), {20, 20, 10, 30}, kDtSingleLine);
    EXPECT_TRUE(Touched(nothing).IsEmpty());
}

}  // namespace
}  // namespace tirnel
