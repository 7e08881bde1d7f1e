#pragma once
// The renderers of the button's looks; the style table says which style uses which. Each
// draws on the canvas from the repaint's snapshot and returns what it decides.

#include "controls/button/ButtonCanvas.h"
#include "controls/button/ButtonLook.h"

namespace tirnel {

inline constexpr Color kWhite = 0xFFFFFF;

// Standard (0), thin edge (1), hover edge (11) and flat hover (12): platform-like bevels.
LookDecision DrawEdgeStyles(const ButtonLook& Button, ButtonCanvas& Canvas);
// Round blue (2): a soft shade of the back colour in a dark blue frame with glows.
LookDecision DrawRoundBlue(const ButtonLook& Button, ButtonCanvas& Canvas);
// Silver (3): flat at rest, a silver two-band shade under the pointer; decides the caption colour.
LookDecision DrawSilver(const ButtonLook& Button, ButtonCanvas& Canvas);
// Sky glass (4): a two-half shade in a grey frame, pale and sky-blue glass when hovered and pressed.
LookDecision DrawSkyGlass(const ButtonLook& Button, ButtonCanvas& Canvas);
// Outline (5): a face with a light frame and a grey drop shadow; pressed, the face moves by 3 pixels.
LookDecision DrawOutline(const ButtonLook& Button, ButtonCanvas& Canvas);
// Shaded (6): white to the back colour in the top half, white inner frame, darker outer frame.
LookDecision DrawShaded(const ButtonLook& Button, ButtonCanvas& Canvas);
// Amber (7): a two-band shade of the back colour; amber bands on hover, down and checked.
LookDecision DrawAmber(const ButtonLook& Button, ButtonCanvas& Canvas);
// Pale blue (8): flat at rest, a pale blue shade in a blue frame on hover and down.
LookDecision DrawPaleBlue(const ButtonLook& Button, ButtonCanvas& Canvas);
// Hot track (9): a light vertical shade at rest, flat blue in a blue frame on hover and down.
LookDecision DrawHotTrack(const ButtonLook& Button, ButtonCanvas& Canvas);
// Shaded round (10): a thin light top band, a long lower shade, a frame darker than the back colour.
LookDecision DrawShadedRound(const ButtonLook& Button, ButtonCanvas& Canvas);
// Orange hover (13): a two-half shade at rest, an orange shade in a navy frame otherwise.
LookDecision DrawOrangeHover(const ButtonLook& Button, ButtonCanvas& Canvas);
// Capsule (14): fixed glossy capsule art in grey, light blue and dark blue.
LookDecision DrawCapsule(const ButtonLook& Button, ButtonCanvas& Canvas);
// Grey gradient (15): a left-to-right shade of the back colour in a grey-green frame.
LookDecision DrawGreyGradient(const ButtonLook& Button, ButtonCanvas& Canvas);

}  // namespace tirnel
