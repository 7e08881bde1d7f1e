#pragma once
// An image holder without a border: it shows its picture at its top-left corner at the
// picture's own size, clipped to its rectangle, drawn as the platform draws an icon: where the
// mask is set the colour image is combined with what lies below (black there leaves it alone),
// so what lies below shows through.

#include "controls/option/WindowlessPart.h"
#include "platform/PictureObject.h"
#include "platform/Surface.h"

namespace tirnel {

struct ImageHolder : WindowlessPart {
    PictureRef Picture;

    void Paint(Surface& surface) const;
};

}  // namespace tirnel
