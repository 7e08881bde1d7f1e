#include "controls/button/ButtonColors.h"

#include "platform/ColorChannels.h"
#include "platform/Nearest.h"

namespace tirnel {

// RGB keeps each channel within 0..255, on both sides whatever the sign of the amount.
Color ShiftColor(Color color, float amount) {
    const double step = static_cast<double>(amount) * 255.0;
    return RGB(Nearest(GetRed(color) + step), Nearest(GetGreen(color) + step), Nearest(GetBlue(color) + step));
}

Color MixColors(Color Colour1, Color Colour2) {
    const auto mix = [](int a, int b) { return Nearest((a + b) / 2.0); };
    return RGB(mix(GetRed(Colour1), GetRed(Colour2)), mix(GetGreen(Colour1), GetGreen(Colour2)),
               mix(GetBlue(Colour1), GetBlue(Colour2)));
}

}  // namespace tirnel
