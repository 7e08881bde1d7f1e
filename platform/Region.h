#pragma once

// A region as the window-shape calls make it: a list of horizontal spans, at most one per row
// for the shapes made here, sorted by row. Handed to a widget as its mask it clips painting
// and hit-testing alike.

#include "platform/Rect.h"

#include <QRegion>

#include <vector>

namespace tirnel {

class Region {
public:
    // Columns left..right-1 of row y.
    struct Span {
        int y = 0;
        int left = 0;
        int right = 0;
        friend bool operator==(const Span&, const Span&) = default;
    };

    Region() = default;

    // Coordinates are put in order; empty when left = right or top = bottom.
    static Region CreateRectRgn(int left, int top, int right, int bottom);
    // One pixel smaller to the right and bottom than the rectangle region of the same numbers,
    // with corners cut by the integer ellipse of width w and height h.
    static Region CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h);

    bool IsEmpty() const { return mSpans.empty(); }
    bool Contains(int x, int y) const;
    Rect BoundingBox() const;
    const std::vector<Span>& Spans() const { return mSpans; }

    // Rows with equal spans are joined into one rectangle.
    QRegion ToQRegion() const;

private:
    void AddSpan(int y, int left, int right);

    std::vector<Span> mSpans;
};

}  // namespace tirnel
