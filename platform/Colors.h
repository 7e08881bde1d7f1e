#pragma once

// Colour values as the controls pass them around: 32 bits, 0x00BBGGRR for a plain colour
// (red in the low byte), or 0x800000nn for system colour nn.

#include "platform/ColorChannels.h"

#include <QRgb>

#include <cstdint>

namespace tirnel {

constexpr Color kSystemColorFlag = 0x80000000u;
// What a failed translation yields (-1 as a signed 32-bit value).
constexpr Color kInvalidColor = 0xFFFFFFFFu;

// System colour indices the drawing code refers to by name.
enum SystemColorIndex : int {
    kColorAppWorkspace = 12,
    kColorButtonFace = 15,
    kColorButtonShadow = 16,
    kColorGrayText = 17,
    kColorButtonText = 18,
    kColorButtonHighlight = 20,
    kColor3dDarkShadow = 21,
    kColor3dLight = 22,
    kSystemColorCount = 25,
};

constexpr Color SystemColor(int index) { return kSystemColorFlag | static_cast<Color>(index); }
constexpr bool IsSystemColor(Color value) { return (value & kSystemColorFlag) != 0; }

// The plain colour of a system colour index 0..24 (Windows 10 defaults); kInvalidColor otherwise.
Color GetSysColor(int index);

// Plain colours pass unchanged; a value with the flag byte 0x80 names a system colour by the
// index in its low byte (0x80000110 is entry 16) and becomes that colour's plain value;
// anything else (an index above 24, other flag bytes) fails and yields kInvalidColor.
Color TranslateColor(Color value);

// The pixel for a colour value: system colours are translated first, and what cannot be
// translated is used by its low three bytes, as the drawing calls do with any colour value.
QRgb ToQRgb(Color value);
// The plain colour value of a pixel; alpha is dropped.
Color FromQRgb(QRgb pixel);

}  // namespace tirnel
