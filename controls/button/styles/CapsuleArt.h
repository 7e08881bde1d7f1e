#pragma once
// The capsule look's artwork for each draw state: a face, four edge strips whose colour
// changes only across the strip, and four corner patches of fixed pixels. The data is
// written by capsule_art.py beside it.

#include "platform/Colors.h"

#include <array>
#include <cstddef>

namespace tirnel {

constexpr int kCapsulePatchWidth = 17;
// A patch pixel that is not drawn: the container, or the face where it lies under the
// patch, shows through.
constexpr Color kCapsuleUndrawn = kInvalidColor;

// One row of a corner patch, 17 pixels from its left; in a right patch from x = W-17.
using CapsulePatchRow = std::array<Color, kCapsulePatchWidth>;

// A colour for each draw state: normal, hover, down.
using CapsuleColors = std::array<Color, 3>;

extern const CapsuleColors kCapsuleFace;  // (4, 4, W-4, H-4)

// The strip lines one after the other: the left strip's columns 0 .. 17, the right strip's
// W-17 .. W-1 (one column fewer), the top strip's rows 0 .. 11, the bottom strip's H-11 .. H-1.
constexpr std::size_t kCapsuleLeftStrip = 0;
constexpr std::size_t kCapsuleRightStrip = 18;
constexpr std::size_t kCapsuleTopStrip = 35;
constexpr std::size_t kCapsuleBottomStrip = 47;
constexpr std::size_t kCapsuleStripLines = 58;
extern const std::array<CapsuleColors, kCapsuleStripLines> kCapsuleStrips;

// The corner patches' rows, top to bottom, state after state (normal, hover, down); in each
// state the top-left patch (rows 0 .. 10), the bottom-left (rows H-10 .. H-1), the top-right
// (rows 0 .. 10) and the bottom-right (rows H-10 .. H-1).
constexpr std::size_t kCapsuleTopPatchRows = 11;
constexpr std::size_t kCapsuleBottomPatchRows = 10;
constexpr std::size_t kCapsuleStatePatchRows = 2 * (kCapsuleTopPatchRows + kCapsuleBottomPatchRows);
constexpr std::size_t kCapsulePatchRows = 3 * kCapsuleStatePatchRows;
extern const std::array<CapsulePatchRow, kCapsulePatchRows> kCapsulePatches;

}  // namespace tirnel
