#pragma once
// Where the button's picture and caption go: from the surface size, the caption's measured
// size, the picture's draw size, the two alignments, how the style moves them and whether the
// button is drawn pressed. A pure function of its input, so any text measure can be fed in.
// Every division truncates toward zero; the arithmetic is 64-bit, so no size overflows it.

#include "platform/Rect.h"

#include <cstdint>
#include <optional>

namespace tirnel {

// How far each side of the caption rectangle lies from the caption's measured place
// (x, y, x + tw, y + th).
struct CaptionSides {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// How a style moves picture and caption, at rest and when drawn pressed: the picture by the
// same amount across and down, the caption rectangle side by side; and whether a paint at
// rest records the caption's focus rectangle. The defaults move nothing.
struct CaptionPlacement {
    int pictureShiftAtRest = 0;
    int pictureShiftPressed = 0;
    CaptionSides captionAtRest;
    CaptionSides captionPressed;
    bool focusAtRest = true;
};

struct CaptionLayoutInput {
    std::int64_t width = 0;   // W, the surface width in pixels
    std::int64_t height = 0;  // H
    std::int64_t textWidth = 0;   // tw, the caption as measured ("&" included)
    std::int64_t textHeight = 0;  // th
    std::int64_t picWidth = 0;    // pw, the picture's draw size
    std::int64_t picHeight = 0;   // ph
    bool hasPicture = false;
    bool hasAccessKey = false;
    std::int32_t pictureAlign = 0;
    std::int32_t captionAlign = 0;
    CaptionPlacement placement;
    // Drawn in StateDown.
    bool pressed = false;
};

// A rectangle before it meets the surface: 64-bit sides.
struct WideRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
    friend bool operator==(const WideRect&, const WideRect&) = default;
};

struct CaptionLayout {
    std::int64_t picX = 0;
    std::int64_t picY = 0;
    // The picture's draw size, shortened where it does not fit the surface.
    std::int64_t picWidth = 0;
    std::int64_t picHeight = 0;
    std::int64_t textX = 0;
    std::int64_t textY = 0;
    WideRect caption;
    // The caption rectangle widened for a focus mark, set only when not pressed and only for
    // the styles that record it.
    std::optional<WideRect> captionFocus;
};

CaptionLayout LayOutPictureAndCaption(const CaptionLayoutInput& in);

// The picture's draw size for a PictureSize value: the picture's own size for 0, 16, 24 or
// 32 pixels square for 1 to 3, and `previous` for any other value.
struct PictureDrawSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
};
PictureDrawSize PictureSizeFor(std::int32_t PictureSize, PictureDrawSize own, PictureDrawSize previous);

// A 64-bit coordinate brought into the surface's 32-bit range, clamped at its ends.
int ClampToInt(std::int64_t value);

// A 64-bit rectangle brought into the surface's 32-bit coordinates; sides beyond that range
// are clamped, which keeps what lies on the surface.
Rect ToSurfaceRect(const WideRect& rect);

}  // namespace tirnel
