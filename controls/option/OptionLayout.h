#pragma once
// Where the option's picture and caption stand. The layout is worked out in twips, as the
// control's parts are placed, and then turned into pixels of the client area.

#include "platform/Rect.h"
#include "platform/TwipsGeometry.h"

namespace tirnel {

inline constexpr int kPictureSizeTwips = 240;
inline constexpr int kPictureLeftTwips = 0;
inline constexpr int kLabelLeftTwips = 300;

// The top of a part of height `inner` centred in a height `outer`, both in twips: the
// difference rounded to whole twips (nearest, ties to even), then halved with the remainder
// dropped (towards zero, so a part higher than the control sticks out at both ends).
int CentredTop(double outerTwips, double innerTwips);

struct OptionPlacement {
    Rect picture;  // pixels
    Rect label;    // pixels
};

// The picture (240 x 240 twips at the left) and the caption (at 300 twips) of an option of
// `heightTwips`, whose caption measures `labelWidth` x `labelHeight` pixels, each centred
// vertically.
OptionPlacement PlaceOptionParts(double heightTwips, int labelWidth, int labelHeight);

// The focus mark: a rectangle one pixel outside the caption's, within a client area of
// `width` x `height` pixels.
Rect FocusMarkAround(const Rect& caption, int width, int height);

}  // namespace tirnel
