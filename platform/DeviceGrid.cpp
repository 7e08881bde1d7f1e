#include "platform/DeviceGrid.h"

#include <cmath>

namespace tirnel {

DeviceGrid::DeviceGrid(double ratio) : mRatio(ratio >= 1.0 ? ratio : 1.0) {}

int DeviceGrid::Edge(int x) const {
    if (mRatio == 1.0) return x;
    return static_cast<int>(std::ceil(x * mRatio - 0.5));
}

int DeviceGrid::PixelAt(int d) const {
    if (mRatio == 1.0) return d;
    // Worked out from the centre, then settled against Edge so the two never disagree.
    int x = static_cast<int>(std::floor((d + 0.5) / mRatio));
    while (Edge(x) > d) --x;
    while (Edge(x + 1) <= d) ++x;
    return x;
}

int DeviceGrid::Extent(int pixels) const {
    if (mRatio == 1.0) return pixels;
    return static_cast<int>(std::ceil(pixels * mRatio));
}

}  // namespace tirnel
