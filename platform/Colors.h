#pragma once

// Colour values as the controls pass them around: 32 bits, 0x00BBGGRR for a plain colour
// (red in the low byte), or 0x800000nn for system colour nn.

#include <QRgb>

#include <cstdint>

namespace tirnel {

using Color = std::uint32_t;

constexpr Color kSystemColorFlag = 0x80000000u;
// What a failed translation yields (-1 as a signed 32-bit value).
constexpr Color kInvalidColor = 0xFFFFFFFFu;

// System colour indices the drawing code refers to by name.
enum SystemColorIndex : int {
    kColorButtonFace = 15,
    kColorButtonShadow = 16,
    kColorGrayText = 17,
    kColorButtonText = 18,
    kColorButtonHighlight = 20,
    kColor3dDarkShadow = 21,
    kColor3dLight = 22,
    kSystemColorCount = 25,
};

// A plain colour from three channels; a channel above 255 is taken as 255, one below 0 as 0.
constexpr Color RGB(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<Color>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
    return clamp(red) | (clamp(green) << 8) | (clamp(blue) << 16);
}

constexpr Color SystemColor(int index) { return kSystemColorFlag | static_cast<Color>(index); }
constexpr bool IsSystemColor(Color value) { return (value & kSystemColorFlag) != 0; }

// The plain colour of a system colour index 0..24 (Windows 10 defaults); kInvalidColor otherwise.
Color GetSysColor(int index);

// Plain colours pass unchanged, system colours 0x80000000..0x80000018 become their plain value;
// anything else (an unknown system index, other flag bytes) fails and yields kInvalidColor.
Color TranslateColor(Color value);

// The pixel for a colour value: system colours are translated first, and what cannot be
// translated is used by its low three bytes, as the drawing calls do with any colour value.
QRgb ToQRgb(Color value);
// The plain colour value of a pixel; alpha is dropped.
Color FromQRgb(QRgb pixel);

}  // namespace tirnel
