#include "ProgressTestSupport.h"

#include "controls/progress/ColorShades.h"
#include "platform/Boolean.h"
#include "platform/TwipsGeometry.h"

#include <gtest/gtest.h>

#include <QImage>

#include <array>

namespace tirnel {
namespace {

using test::MakeBar;
using test::MakePlainBar;
using test::PixelAt;

// With the plain look every track colour has full green and less blue, every bar colour (and
// the outline) full blue and less green.
int GetGreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
bool IsTrack(Color c) { return GetGreenOf(c) == 255 && (c >> 16) != 255; }

// The first track pixel along the bar's growth, from 1 up to the outline's column or row
// (which is returned when the bar reaches it).
int BarEnd(const uo& bar, bool vertical, int across) {
    const int length = vertical ? bar.height() : bar.width();
    for (int along = 1; along < length - 2; ++along) {
        const Color c = vertical ? PixelAt(bar, across, along) : PixelAt(bar, along, across);
        if (IsTrack(c)) return along;
    }
    return length - 2;
}

TEST(PaintBarTest, BarLengthFollowsValueOverMaxWithTiesToEven) {
    struct Case {
        const char* what;
        int width, height;
        std::int32_t orientation, min, max, value;
        int end;  // first track pixel along the bar, in both halves
    };
    const Case cases[] = {
        {"293 x 50% = 146.5 goes down to 146", 293, 20, OrientHorizontal, 0, 100, 50, 146},
        {"291 x 50% = 145.5 goes up to 146", 291, 20, OrientHorizontal, 0, 100, 50, 146},
        {"a third", 100, 20, OrientHorizontal, 0, 3, 1, 33},
        {"Min does not enter", 100, 20, OrientHorizontal, 40, 100, 40, 40},
        {"Value 0 draws no bar", 100, 20, OrientHorizontal, 0, 100, 0, 1},
        {"Value = Max fills the track", 100, 20, OrientHorizontal, 0, 100, 100, 98},
        {"vertical grows downwards", 100, 20, OrientVertical, 0, 100, 50, 10},
        {"vertical 25% of 30 = 7.5 goes up to 8", 40, 30, OrientVertical, 0, 100, 25, 8},
        {"vertical full", 40, 30, OrientVertical, 0, 100, 100, 28},
    };
    for (const Case& c : cases) {
        auto bar = MakePlainBar(c.width, c.height);
        bar->Orientations(c.orientation);
        bar->Max(c.max);
        bar->Min(c.min);
        bar->Value(c.value);
        const bool vertical = c.orientation == OrientVertical;
        // One line through each half: the top and bottom halves, or the left and right ones.
        const int size = vertical ? c.width : c.height;
        EXPECT_EQ(BarEnd(*bar, vertical, 3), c.end) << c.what << " (first half)";
        EXPECT_EQ(BarEnd(*bar, vertical, size / 2 + 3), c.end) << c.what << " (second half)";
    }
}

TEST(PaintBarTest, EachHalfRunsFromItsFromColorToItsToColor) {
    // Custom theme: the first (top or left) half runs from the custom colour lightened by 180 to
    // it lightened by 50, the second half from the custom colour itself to it lightened by 80;
    // green for the track (Value 0), blue for the bar (Value 100). Samples: the second pixel of
    // the first half (its first lies under the outline), then the first two pixels of the
    // second half; a pixel at pos of a half n pixels long is (from x (n - pos) + to x pos) / n.
    struct Case {
        std::int32_t orientation;
        std::int32_t value;
        std::array<QPoint, 3> samples;
        std::array<int, 3> levels;  // the lightened channels at the samples
    };
    // Horizontal: halves of ten rows, (180 x 9 + 50) / 10 = 167 and 80 / 10 = 8. Vertical:
    // halves of fifty columns, (180 x 49 + 50) / 50 = 177.4 and 80 / 50 = 1.6.
    const std::array<QPoint, 3> rows = {QPoint(40, 1), QPoint(40, 10), QPoint(40, 11)};
    const std::array<QPoint, 3> columns = {QPoint(1, 5), QPoint(50, 5), QPoint(51, 5)};
    const Case cases[] = {
        {OrientHorizontal, 0, rows, {167, 0, 8}},
        {OrientHorizontal, 100, rows, {167, 0, 8}},
        {OrientVertical, 0, columns, {177, 0, 1}},
        {OrientVertical, 100, columns, {177, 0, 1}},
    };
    for (const Case& c : cases) {
        auto bar = MakePlainBar(100, 20);
        bar->Orientations(c.orientation);
        bar->Value(c.value);
        const bool track = c.value == 0;
        for (std::size_t i = 0; i < c.samples.size(); ++i) {
            const int l = c.levels[i];
            const Color expected = track ? RGB(l, 255, l) : RGB(l, l, 255);
            EXPECT_EQ(PixelAt(*bar, c.samples[i].x(), c.samples[i].y()), expected)
                << "orientation " << c.orientation << ", value " << c.value << ", sample " << i;
        }
    }
}

TEST(PaintBarTest, UnknownOrientationLeavesTheClearedBackground) {
    auto bar = MakePlainBar(40, 10);
    bar->Orientations(0);
    const Color background = bar->DrawingSurface().BackColor();
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 38; ++x) ASSERT_EQ(PixelAt(*bar, x, y), background) << x << "," << y;
    EXPECT_EQ(PixelAt(*bar, 0, 5), test::kBarBlue);  // the outline is still drawn
}

TEST(PaintBarTest, SquareCornersClipTheLastColumnAndRow) {
    auto bar = MakePlainBar(20, 12);
    bar->Value(0);
    const QRegion shape = bar->mask();
    EXPECT_TRUE(shape.contains(QPoint(0, 0)));
    EXPECT_TRUE(shape.contains(QPoint(18, 10)));
    EXPECT_FALSE(shape.contains(QPoint(19, 5)));
    EXPECT_FALSE(shape.contains(QPoint(5, 11)));
    // The outline runs along columns 0 and 18 and rows 0 and 10.
    for (const QPoint p : {QPoint(0, 5), QPoint(18, 5), QPoint(9, 0), QPoint(9, 10), QPoint(0, 0), QPoint(18, 10)})
        EXPECT_EQ(PixelAt(*bar, p.x(), p.y()), test::kBarBlue) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(19, 5), QPoint(9, 11), QPoint(1, 1), QPoint(17, 9)})
        EXPECT_TRUE(IsTrack(PixelAt(*bar, p.x(), p.y()))) << p.x() << "," << p.y();
}

TEST(PaintBarTest, RoundedCornersShapeTheWindowAndTheOutline) {
    auto bar = MakePlainBar(20, 12);
    bar->Value(0);
    bar->RoundedValue(6);
    // Rows 0 and 10 span columns 2..16, rows 1 and 9 columns 1..17, rows 2..8 columns 0..18.
    const QRegion shape = bar->mask();
    struct Row {
        int y, first, last;
    };
    for (const Row& row : {Row{0, 2, 16}, Row{1, 1, 17}, Row{5, 0, 18}, Row{9, 1, 17}, Row{10, 2, 16}}) {
        EXPECT_FALSE(shape.contains(QPoint(row.first - 1, row.y))) << row.y;
        EXPECT_TRUE(shape.contains(QPoint(row.first, row.y))) << row.y;
        EXPECT_TRUE(shape.contains(QPoint(row.last, row.y))) << row.y;
        EXPECT_FALSE(shape.contains(QPoint(row.last + 1, row.y))) << row.y;
    }
    EXPECT_FALSE(shape.contains(QPoint(9, 11)));
    // The outline is that shape's rim: (1, 1) lies on it, (2, 1) inside, (0, 0) beyond it.
    EXPECT_EQ(PixelAt(*bar, 1, 1), test::kBarBlue);
    EXPECT_EQ(PixelAt(*bar, 2, 0), test::kBarBlue);
    EXPECT_TRUE(IsTrack(PixelAt(*bar, 2, 1)));
    EXPECT_TRUE(IsTrack(PixelAt(*bar, 0, 0)));
}

TEST(PaintBarTest, DisabledBarIsGreyAndGreysAgainWithAnUnknownTheme) {
    auto bar = MakePlainBar(100, 20);
    bar->Theme(ThemeAqua);
    bar->Value(100);
    bar->Enabled(kFalse);
    ThemePalette aqua;
    LoadThemePalette(ThemeAqua, 0, 0, aqua);
    for (Color ThemePalette::*color : ThemePalette::kColors)
        EXPECT_EQ(bar->Palette().*color, GreyOf(aqua.*color));
    // Bar bottom RGB(63,112,233): (63 + 112 + 233) / 3 = 136; outline RGB(23,139,211): 23 + 139 + 212
    // (211.54 rounds up) = 374, / 3 = 124.67 gives 125.
    EXPECT_EQ(PixelAt(*bar, 5, 10), RGB(136, 136, 136));
    EXPECT_EQ(PixelAt(*bar, 0, 10), RGB(125, 125, 125));

    // Theme 11 keeps the last palette and greys it once more: grey 136 reads as
    // 136 + 137 + 137 (136.53 rounds up twice), / 3 gives 137.
    bar->Theme(11);
    EXPECT_EQ(PixelAt(*bar, 5, 10), RGB(137, 137, 137));

    bar->Enabled(kTrue);
    EXPECT_EQ(PixelAt(*bar, 5, 10), RGB(137, 137, 137));  // still the kept palette, no longer greyed further
    bar->Theme(ThemeAqua);
    EXPECT_EQ(PixelAt(*bar, 5, 10), RGB(63, 112, 233));
}

TEST(PaintBarTest, ARepaintBeforeAnyPropertyDrawsBlackAndDoesNotFail) {
    uo bar;
    bar.Move(0, 0, 30 * kTwipsPerPixel, 10 * kTwipsPerPixel);
    bar.PaintBar();
    bar.TextStyle(TextPercent);  // no percentage yet: Max is still 0
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_EQ(bar.Value(), 0);
    // No orientation yet either, so the cleared background stays inside a black outline.
    EXPECT_EQ(PixelAt(bar, 0, 5), RGB(0, 0, 0));
}

TEST(PaintBarTest, TextLandsInsideTheMeasuredBoxAtItsAnchor) {
    auto bar = MakePlainBar(120, 24);
    bar->Value(0);
    const QImage without = bar->DrawingSurface().Image().copy();
    bar->TextForeColor(RGB(255, 0, 0));
    bar->Text("WWW");
    bar->TextStyle(TextCustom);
    bar->TextAlignment(AlignBottomRight);
    bar->TextEffect(EffectNormal);
    const QImage with = bar->DrawingSurface().Image();
    const Surface& surface = bar->DrawingSurface();
    const int tw = surface.TextWidth("WWW");
    const int th = surface.TextHeight("WWW");
    ASSERT_GT(tw, 0);
    const int x = 120 - tw - 3;
    const int y = 24 - th - 1;
    int changed = 0;
    for (int py = 0; py < 24; ++py) {
        for (int px = 0; px < 120; ++px) {
            if (with.pixel(px, py) == without.pixel(px, py)) continue;
            ++changed;
            EXPECT_TRUE(px >= x && px < x + tw && py >= y && py < y + th) << px << "," << py;
        }
    }
    EXPECT_GT(changed, 0);
    // The text is printed with a transparent background: between and around the glyphs the
    // track still shows inside the box.
    EXPECT_LT(changed, tw * th);
}

}  // namespace
}  // namespace tirnel
