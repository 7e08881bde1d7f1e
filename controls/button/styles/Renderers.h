#pragma once
// The renderers of the button's looks; the style-traits table says which style uses which.

#include "controls/button/ButtonPainter.h"

#include <cstdint>

namespace tirnel {

// Standard (0), thin edge (1), hover edge (11) and flat hover (12): platform-like bevels.
void DrawEdgeStyles(ButtonPainter& Button, std::int32_t State);
// Round blue (2): a soft shade of the back colour in a dark blue frame with glows.
void DrawRoundBlue(ButtonPainter& Button, std::int32_t State);

}  // namespace tirnel
