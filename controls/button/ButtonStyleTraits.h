#pragma once
// What each ButtonStyle means, one table row per style: the colours and focus-rectangle flag
// a style brings when chosen, the corner of its window shape and when a repaint applies it,
// the renderer that paints its face, how it moves picture and caption, and the variant of the
// edge looks. A value outside 0..15 gets a row of its own that selects nothing. No renderer
// or layout asks which style it is: each reads its row. The table itself is with the
// renderers, in styles/StyleTable.cpp.

#include "controls/button/CaptionLayout.h"
#include "platform/Colors.h"

#include <cstdint>

namespace tirnel {

class ButtonCanvas;
struct ButtonLook;
struct LookDecision;

// Paints the button's face from the repaint's snapshot; picture and caption come after it.
using ButtonRenderer = LookDecision (*)(const ButtonLook& Button, ButtonCanvas& Canvas);

// When a repaint gives the window the style's shape: whenever the unchecked rest look is
// drawn, and in some looks at other times too.
enum class ShapeWhen {
    kNever,            // the window keeps the shape it has
    kAtRest,
    kAtRestOrDisabled,  // and whenever the disabled look is drawn, whatever the state
    kAtRestEnabled,     // but not for the disabled look, which is a look of its own
    kAtRestUncued,      // but not while a focus cue shows the hover look instead
};

// How an edge look frames a pressed button: with the sunken edge, with a black frame round a
// grey one, or with grey lines at the top and left and white ones at the right and bottom.
enum class EdgePressed { kSunken, kBlackFrame, kWhiteAndGrey };

// The platform-like bevels of the edge looks, as DrawEdge edge values; 0 draws none, leaving
// the flat face.
struct EdgeLook {
    unsigned rest = 0;
    unsigned hover = 0;
    // The checked look's edge; without one the lighter face is all it shows.
    unsigned checked = 0;
    EdgePressed pressed = EdgePressed::kSunken;
    // How far inside each side the dotted focus rectangle lies.
    int focusInset = 4;
    // Whether focus and default status are also marked with frames: the default-button
    // frame at rest and under the pointer, a solid frame on the checked look.
    bool focusFrames = false;
};

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
    ShapeWhen shapeWhen = ShapeWhen::kNever;
    ButtonRenderer renderer = nullptr;
    // Whether the look shows a checked check button itself; the others are drawn pressed.
    bool showsCheck = false;
    // How picture and caption move at rest and pressed.
    CaptionPlacement caption;
    // The variant of the edge looks.
    EdgeLook edges;
};

// The row of a style; the row that selects nothing for a value outside 0..15.
const ButtonStyleTraits& StyleTraits(std::int32_t ButtonStyle);

}  // namespace tirnel
