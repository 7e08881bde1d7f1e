#include "platform/Colors.h"

#include <array>

namespace tirnel {

namespace {

constexpr std::array<Color, kSystemColorCount> kSystemColors = {
    RGB(200, 200, 200),  //  0 scroll bar
    RGB(0, 0, 0),        //  1 desktop
    RGB(153, 180, 209),  //  2 active caption
    RGB(191, 205, 219),  //  3 inactive caption
    RGB(240, 240, 240),  //  4 menu
    RGB(255, 255, 255),  //  5 window
    RGB(100, 100, 100),  //  6 window frame
    RGB(0, 0, 0),        //  7 menu text
    RGB(0, 0, 0),        //  8 window text
    RGB(0, 0, 0),        //  9 caption text
    RGB(180, 180, 180),  // 10 active border
    RGB(244, 247, 252),  // 11 inactive border
    RGB(171, 171, 171),  // 12 application workspace
    RGB(0, 120, 215),    // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(240, 240, 240),  // 15 button face
    RGB(160, 160, 160),  // 16 button shadow
    RGB(109, 109, 109),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(0, 0, 0),        // 19 inactive caption text
    RGB(255, 255, 255),  // 20 button highlight
    RGB(105, 105, 105),  // 21 3D dark shadow
    RGB(227, 227, 227),  // 22 3D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip back
};

constexpr Color kFlagByteMask = 0xFF000000u;
constexpr Color kIndexMask = 0x000000FFu;

}  // namespace

Color GetSysColor(int index) {
    if (index < 0 || index >= kSystemColorCount) return kInvalidColor;
    return kSystemColors[static_cast<std::size_t>(index)];
}

Color TranslateColor(Color value) {
    if ((value & kFlagByteMask) == 0) return value;
    // The low byte is the index, whatever the two bytes above it hold: 0x80000110 is entry 16.
    if ((value & kFlagByteMask) == kSystemColorFlag) return GetSysColor(static_cast<int>(value & kIndexMask));
    return kInvalidColor;
}

QRgb ToQRgb(Color value) {
    const Color plain = IsSystemColor(value) ? TranslateColor(value) : value;
    return qRgb(static_cast<int>(plain & 0xFF), static_cast<int>((plain >> 8) & 0xFF),
                static_cast<int>((plain >> 16) & 0xFF));
}

Color FromQRgb(QRgb pixel) {
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

}  // namespace tirnel
