#include "platform/TwipsGeometry.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace tirnel {

namespace {

constexpr const char* kTwipsProperty = "tirnelTwipsRect";

// The remembered value while it still gives the widget's pixels, else the pixels in twips.
int StillPlaced(int twips, int pixels) { return TwipsToPixels(twips) == pixels ? twips : pixels * kTwipsPerPixel; }

}  // namespace

QRect TwipsRect::ToPixels() const {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void PlaceInTwips(QWidget* widget, const TwipsRect& rect) {
    const TwipsRect placed{rect.left, rect.top, std::max(0, rect.width), std::max(0, rect.height)};
    widget->setGeometry(placed.ToPixels());
    widget->setProperty(kTwipsProperty, QRect(placed.left, placed.top, placed.width, placed.height));
}

TwipsRect TwipsGeometryOf(const QWidget* widget) {
    const QRect g = widget->geometry();
    const QVariant stored = widget->property(kTwipsProperty);
    const QRect r = stored.isValid() ? stored.toRect() : QRect(g.topLeft() * kTwipsPerPixel, g.size() * kTwipsPerPixel);
    return {StillPlaced(r.x(), g.x()), StillPlaced(r.y(), g.y()), StillPlaced(r.width(), g.width()),
            StillPlaced(r.height(), g.height())};
}

}  // namespace tirnel
