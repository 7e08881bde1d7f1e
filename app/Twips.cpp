#include "app/Twips.h"

#include <QVariant>
#include <QWidget>

namespace tirnel {

namespace {
constexpr const char* kTwipsProperty = "tirnelTwipsRect";
}

QRect TwipsRect::ToPixels() const {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

void PlaceInTwips(QWidget* widget, const TwipsRect& rect) {
    widget->setGeometry(rect.ToPixels());
    widget->setProperty(kTwipsProperty, QRect(rect.left, rect.top, rect.width, rect.height));
}

TwipsRect TwipsGeometryOf(const QWidget* widget) {
    const QVariant stored = widget->property(kTwipsProperty);
    if (stored.isValid()) {
        const QRect r = stored.toRect();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    const QRect g = widget->geometry();
    return {g.x() * kTwipsPerPixel, g.y() * kTwipsPerPixel, g.width() * kTwipsPerPixel, g.height() * kTwipsPerPixel};
}

}  // namespace tirnel
