#pragma once
// The renderers of the button's looks; the style-traits table says which style uses which.

#include "controls/button/ButtonPainter.h"

#include <cstdint>

namespace tirnel {

inline constexpr Color kWhite = 0xFFFFFF;

// Standard (0), thin edge (1), hover edge (11) and flat hover (12): platform-like bevels.
void DrawEdgeStyles(ButtonPainter& Button, std::int32_t State);
// Round blue (2): a soft shade of the back colour in a dark blue frame with glows.
void DrawRoundBlue(ButtonPainter& Button, std::int32_t State);
// Silver (3): flat at rest, a silver two-band shade under the pointer; sets the caption colour.
void DrawSilver(ButtonPainter& Button, std::int32_t State);
// Sky glass (4): a two-half shade in a grey frame, pale and sky-blue glass when hovered and pressed.
void DrawSkyGlass(ButtonPainter& Button, std::int32_t State);
// Outline (5): a face with a light frame and a grey drop shadow; pressed, the face moves by 3 pixels.
void DrawOutline(ButtonPainter& Button, std::int32_t State);
// Shaded (6): white to the back colour in the top half, white inner frame, darker outer frame.
void DrawShaded(ButtonPainter& Button, std::int32_t State);
// Amber (7): a two-band shade of the back colour; amber bands on hover, down and checked.
void DrawAmber(ButtonPainter& Button, std::int32_t State);
// Pale blue (8): flat at rest, a pale blue shade in a blue frame on hover and down.
void DrawPaleBlue(ButtonPainter& Button, std::int32_t State);
// Hot track (9): a light vertical shade at rest, flat blue in a blue frame on hover and down.
void DrawHotTrack(ButtonPainter& Button, std::int32_t State);
// Shaded round (10): a thin light top band, a long lower shade, a frame darker than the back colour.
void DrawShadedRound(ButtonPainter& Button, std::int32_t State);
// Orange hover (13): a two-half shade at rest, an orange shade in a navy frame otherwise.
void DrawOrangeHover(ButtonPainter& Button, std::int32_t State);
// Capsule (14): fixed glossy capsule art in grey, light blue and dark blue.
void DrawCapsule(ButtonPainter& Button, std::int32_t State);
// Grey gradient (15): a left-to-right shade of the back colour in a grey-green frame.
void DrawGreyGradient(ButtonPainter& Button, std::int32_t State);

}  // namespace tirnel
