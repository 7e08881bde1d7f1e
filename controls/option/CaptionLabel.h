#pragma once
// A label that sizes itself to its caption: one rectangle as wide as the widest line and as
// high as all lines, the text drawn in the label's font and colour over whatever lies below
// (no back fill). "&" marks the next character as the access key and is underlined, "&&" is
// one "&", as a label shows its caption.

#include "controls/option/WindowlessPart.h"
#include "platform/Colors.h"
#include "platform/FontObject.h"
#include "platform/Surface.h"

#include <QSize>
#include <QString>

namespace tirnel {

struct CaptionLabel : WindowlessPart {
    QString Caption;
    FontRef Font = FontObject::Create();
    Color ForeColor = 0;

    // The size the caption needs, in pixels, measured on `surface` (its font is set to the
    // label's).
    QSize AutoSize(Surface& surface) const;
    void Paint(Surface& surface) const;
};

}  // namespace tirnel
