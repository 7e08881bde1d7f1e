#include "platform/TwipsGeometry.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <array>
#include <optional>

namespace tirnel {
namespace {

TEST(TwipsGeometryTest, AWidgetReadsBackTheTwipsItWasPlacedAtWhileItsPixelsStillFit) {
    const struct {
        const char* what;
        std::optional<TwipsRect> placed;  // none: never placed in twips
        QRect movedInPixels;              // afterwards by someone else; empty for not moved
        QRect pixels;
        TwipsRect readBack;
    } rows[] = {
        {"exact", TwipsRect{150, 2100, 4400, 255}, {}, {10, 140, 293, 17}, {150, 2100, 4400, 255}},
        {"nearest pixel", TwipsRect{7, 22, 112, 8}, {}, {0, 1, 7, 1}, {7, 22, 112, 8}},
        {"no size below 0", TwipsRect{-30, -8, -45, 7}, {}, {-2, -1, 0, 0}, {-30, -8, 0, 7}},
        {"resized in pixels", TwipsRect{150, 2100, 4400, 255}, {10, 140, 300, 17}, {10, 140, 300, 17}, {150, 2100, 4500, 255}},
        {"moved in pixels", TwipsRect{150, 2100, 4400, 255}, {11, 140, 293, 17}, {11, 140, 293, 17}, {165, 2100, 4400, 255}},
        {"never placed in twips", std::nullopt, {3, 4, 5, 6}, {3, 4, 5, 6}, {45, 60, 75, 90}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QWidget widget;
        if (row.placed) PlaceInTwips(&widget, *row.placed);
        if (!row.movedInPixels.isNull()) widget.setGeometry(row.movedInPixels);
        EXPECT_EQ(widget.geometry(), row.pixels);
        const TwipsRect r = TwipsGeometryOf(&widget);
        EXPECT_EQ((std::array{r.left, r.top, r.width, r.height}),
                  (std::array{row.readBack.left, row.readBack.top, row.readBack.width, row.readBack.height}));
    }
}

}  // namespace
}  // namespace tirnel
