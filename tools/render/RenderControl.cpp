#include "tools/render/RenderControl.h"

#include "platform/ControlSite.h"

#include <QRegion>

#include <optional>

namespace tirnel::render {

QImage RenderControl(const RenderTarget& target, QSize size, const PropertyBag& bag, const RenderState* state,
                     double scale) {
    std::unique_ptr<Control> control = target.make();
    control->UseDeviceRatio(scale);
    control->resize(size);
    SiteControl(*control, QLatin1String(target.displayName), &bag);
    if (state) state->enter(*control);

    return ShapedImage(*control);  // the control unloads as it goes
}

QImage ShapedImage(const Control& control) {
    const Surface& surface = control.DrawingSurface();
    QImage image = surface.Image().convertToFormat(QImage::Format_ARGB32);
    // A control without a shape shows all of its surface; one with an empty shape, none.
    const std::optional<QRegion>& shape = control.WindowShape();
    if (!shape) return image;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!shape->contains(surface.PixelAt(x, y))) row[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

}  // namespace tirnel::render
