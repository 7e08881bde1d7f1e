#pragma once
// Qt's input described with the platform's numbers, as the control handlers take them:
// mouse buttons 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt; key codes
// in the Windows virtual-key numbering (13 Enter, 32 space, 37..40 left, up, right, down,
// letters as their upper-case ASCII).

#include <Qt>

namespace tirnel {

inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// One button, or a set of held buttons, as the sum of their numbers.
int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);
// 0 for keys without a virtual-key number.
int VirtualKeyCode(int qtKey);

}  // namespace tirnel
