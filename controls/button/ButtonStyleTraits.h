#pragma once
// What each ButtonStyle means for the parts of the button that are not its renderer, one
// table row per style: the colours and focus-rectangle flag a style brings when chosen, the
// corner of its window shape and the renderer that paints its face. A value outside 0..15
// gets a row of its own that selects nothing.

#include "platform/Colors.h"

#include <cstdint>

namespace tirnel {

class ButtonPainter;

// Paints the button's face for the draw state; picture and caption come after it.
using ButtonRenderer = void (*)(ButtonPainter& Button, std::int32_t State);

// A back colour that the style leaves as it is.
inline constexpr Color kKeepBackColor = kInvalidColor;

struct ButtonStyleTraits {
    // The back colour the style brings (translated, then shifted by backShift when that is
    // not 0), or kKeepBackColor. Every style brings the system button text as fore colour,
    // except where foreColor says otherwise.
    Color backColor = kKeepBackColor;
    float backShift = 0.0f;
    Color foreColor = SystemColor(kColorButtonText);
    // Whether the style shows a dotted focus rectangle (ShowFocusRect when it is chosen).
    bool focusRect = false;
    // The width and height of the rounded corners of the window shape; 0 for a plain
    // rectangle.
    int regionCorner = 0;
    ButtonRenderer renderer = nullptr;
    // Whether the look shows a checked check button itself; the others are drawn pressed.
    bool showsCheck = false;
};

// The row of a style; the row that selects nothing for a value outside 0..15.
const ButtonStyleTraits& StyleTraits(std::int32_t ButtonStyle);

}  // namespace tirnel
