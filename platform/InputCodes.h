#pragma once
// Qt's input described with the platform's numbers, as the control handlers take them:
// mouse buttons 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt; key codes
// in the Windows virtual-key numbering (the named ones below, letters as their upper-case
// ASCII).

#include <Qt>

namespace tirnel {

inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;

// Key codes, and for the first four also the characters those keys type (KeyAscii).
inline constexpr int kKeyBack = 8;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// One button, or a set of held buttons, as the sum of their numbers.
int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);
// 0 for keys without a virtual-key number.
int VirtualKeyCode(int qtKey);

}  // namespace tirnel
