#include "platform/LineWalk.h"

#include <cstdlib>

namespace tirnel {

namespace {

// Octants whose diagonal steps are taken one pixel later: the bias added to the error.
int LineBias(int dx, int dy) {
    const bool biased = (dx <= 0 && dy > 0 && -dx <= dy) || (dy <= 0 && dx < 0) ||
                        (dy <= 0 && dx >= 0 && dx > -dy);
    return biased ? 1 : 0;
}

}  // namespace

void WalkLine(QPoint from, QPoint to, QSize bounds, const std::function<void(int x, int y)>& plot) {
    const int dx = to.x() - from.x();  // coordinates are drawing pixels, far from overflow
    const int dy = to.y() - from.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int major = xMajor ? std::abs(dx) : std::abs(dy);
    const int minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int stepX = dx < 0 ? -1 : 1;
    const int stepY = dy < 0 ? -1 : 1;
    const int bias = LineBias(dx, dy);

    int px = from.x();
    int py = from.y();
    int error = 2 * minor - major;
    auto pastBounds = [&] {
        const int along = xMajor ? px : py;
        const int step = xMajor ? stepX : stepY;
        return step > 0 ? along >= (xMajor ? bounds.width() : bounds.height()) : along < 0;
    };
    for (int i = 0; i < major && !pastBounds(); ++i) {
        plot(px, py);
        (xMajor ? px : py) += xMajor ? stepX : stepY;
        if (error + bias > 0) {
            (xMajor ? py : px) += xMajor ? stepY : stepX;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
    }
}

}  // namespace tirnel
