#pragma once
// The progress bar's line on a terminal of a given width.

#include <string>

namespace tirnel {

// Columns a progress line leaves free at the right: the last column would move the cursor
// to the next line on some terminals, and a Ctrl+C echoes "^C" after the line.
inline constexpr int kFreeColumns = 3;

// "[#####-----]  42%" at most `columns` − kFreeColumns wide: the bar shrinks with the
// terminal, a terminal too narrow for any bar gets the percentage alone, and one too narrow
// for that gets nothing.
std::string ProgressLine(int percent, int columns);

}  // namespace tirnel
