#pragma once
// What a container tells a control about itself. The container (or a test) fills one of
// these and hands it to the control; the defaults describe a run-time container.

#include "platform/Boolean.h"
#include "platform/Colors.h"
#include "platform/FontObject.h"

#include <QString>

#include <cstdint>

namespace tirnel {

struct AmbientProperties {
    // True at run time, False in a form designer.
    std::int16_t UserMode = kTrue;
    // The container's name for this instance ("uo1", "Command2").
    QString DisplayName;
    // The container's font; the control's own copy, so changing it does not touch the container.
    FontRef Font = FontObject::Create();
    Color BackColor = SystemColor(kColorButtonFace);
    Color ForeColor = SystemColor(kColorButtonText);
    // True for the container's default button.
    std::int16_t DisplayAsDefault = kFalse;
};

}  // namespace tirnel
