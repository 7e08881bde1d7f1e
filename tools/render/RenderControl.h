#pragma once
// Draws one control offscreen as its container would at run time and hands back its surface.

#include "platform/PropertyBag.h"
#include "tools/render/RenderTargets.h"

#include <QImage>
#include <QSize>

namespace tirnel::render {

// The control's surface as it stands, in device pixels, every one whose 1× pixel lies outside
// its window shape fully transparent.
QImage ShapedImage(const Control& control);

// Makes the control, gives it `size` and a run-time container, loads it from `bag` (keys not in
// the bag take their read defaults) and lets it paint for a screen of device pixel ratio
// `scale`. The image is the control's surface with every pixel outside its window shape fully
// transparent. A state, when given, is entered after loading.
QImage RenderControl(const RenderTarget& target, QSize size, const PropertyBag& bag,
                     const RenderState* state = nullptr, double scale = 1.0);

}  // namespace tirnel::render
