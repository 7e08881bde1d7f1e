#include "controls/progress/ColorShades.h"

#include "platform/ColorChannels.h"
#include "platform/Nearest.h"

#include <cstdlib>

namespace tirnel {

Color LightenColor(Color c, std::int32_t amount) {
    const std::int64_t value = static_cast<std::int32_t>(c);
    // C++ remainders keep the sign of the dividend, as the bar's arithmetic expects.
    const std::int64_t red = value % 256;
    const std::int64_t green = ((value & ~std::int64_t{0xFF}) / 256) % 256;
    const std::int64_t blue = (value & 0x00FF0000) / 65536;
    return RGB(ClampChannel(std::llabs(red + amount)), ClampChannel(std::llabs(green + amount)),
               ClampChannel(std::llabs(blue + amount)));
}

Color GreyOf(Color c) {
    const std::int64_t value = static_cast<std::int32_t>(c);
    const std::int64_t a = value % 256;
    const std::int64_t b = Nearest(static_cast<double>(value % 65536) / 256.0);
    const std::int64_t d = Nearest(static_cast<double>(value) / 65536.0);
    const int v = ClampChannel(Nearest(static_cast<double>(a + b + d) / 3.0));
    return RGB(v, v, v);
}

}  // namespace tirnel
