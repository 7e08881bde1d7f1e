#pragma once
// The eight 13 x 13 state pictures of the option: a round ring with a light inside, in an
// at-rest, a hover, a pressed and a disabled look, each without and with the dot that marks
// the option as on. Index = look + 4 when on (0..3 off, 4..7 on).

#include "platform/PictureObject.h"

namespace tirnel {

enum StateLook : int { LookAtRest = 0, LookHover = 1, LookPressed = 2, LookDisabled = 3 };

inline constexpr int kStatePictureCount = 8;
inline constexpr int kStatePictureSize = 13;

constexpr int StatePictureIndex(StateLook look, bool on) { return look + (on ? 4 : 0); }

// The picture of that index (0..7): an icon whose mask leaves the corners outside the ring
// transparent. The pictures are made once and shared; a picture never changes.
PictureRef StatePicture(int index);

}  // namespace tirnel
