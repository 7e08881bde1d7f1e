#pragma once
// The pixels a 1-pixel solid pen puts down from one point towards another, the way the
// platform draws lines: end point excluded, Bresenham over the major axis with the bias that
// makes some octants take their diagonal step one pixel later.

#include <QPoint>
#include <QSize>

#include <functional>

namespace tirnel {

// Calls plot for each pixel of the line, in drawing order. Stops early once the major
// coordinate has left a drawing of `bounds` in its direction, since nothing more would show.
void WalkLine(QPoint from, QPoint to, QSize bounds, const std::function<void(int x, int y)>& plot);

}  // namespace tirnel
