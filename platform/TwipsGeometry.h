#pragma once
// Layouts are given in twips, 15 to a pixel at 96 dots per inch; a conversion to pixels
// rounds to the nearest pixel, ties to even. A widget placed in twips remembers its twips,
// so that reading them back, or moving it again, works from the exact values and not from
// the rounded pixels. This is the one memory of twips, for the window's boxes and the
// controls alike.

#include <QRect>

#include <cmath>

class QWidget;

namespace tirnel {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect ToPixels() const;
};

// Places the widget at rect, a width or height below 0 taken as 0, and remembers it.
void PlaceInTwips(QWidget* widget, const TwipsRect& rect);
// Where the widget stands in twips: each value as last placed while the widget still has
// the pixels it converts to, otherwise its pixels (moved or resized in pixels by someone
// else, or never placed in twips).
TwipsRect TwipsGeometryOf(const QWidget* widget);

}  // namespace tirnel
