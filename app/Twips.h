#pragma once
// The window is laid out in twips, 15 to a pixel; conversion to pixels rounds to the
// nearest pixel, ties to even. A widget placed in twips remembers its twips so that moving
// it again works from the exact values.

#include "platform/Twips.h"

#include <QRect>

class QWidget;

namespace tirnel {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect ToPixels() const;
    bool operator==(const TwipsRect&) const = default;
};

void PlaceInTwips(QWidget* widget, const TwipsRect& rect);
// Where the widget stands in twips: as placed, or from its pixels when never placed in twips.
TwipsRect TwipsGeometryOf(const QWidget* widget);

}  // namespace tirnel
