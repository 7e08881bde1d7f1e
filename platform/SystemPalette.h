#pragma once
// The platform's system colours (Colors.h) as a Qt palette: every colour role of every colour
// group set, so a window that takes it draws its plain widgets in these colours whatever the
// desktop's theme, light or dark, and matches the custom controls, which paint in the same
// system colours. Windows a widget opens (its dialogs) keep the desktop's palette.

#include <QPalette>

namespace tirnel {

QPalette SystemPalette();

}  // namespace tirnel
