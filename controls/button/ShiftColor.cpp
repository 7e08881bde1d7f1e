#include "controls/button/ShiftColor.h"

#include "platform/ColorChannels.h"
#include "platform/Nearest.h"

namespace tirnel {

// RGB keeps each channel within 0..255, on both sides whatever the sign of the amount.
Color ShiftColor(Color colour, float amount) {
    const double step = static_cast<double>(amount) * 255.0;
    return RGB(Nearest(GetRed(colour) + step), Nearest(GetGreen(colour) + step), Nearest(GetBlue(colour) + step));
}

}  // namespace tirnel
