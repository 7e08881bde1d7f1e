#include "platform/Region.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace tirnel {

namespace {

// Corner insets of a w x h ellipse (both above 2), indexed by row of the ellipse's bounding box:
// row i of the lower half is cut by inset[i] pixels on each side. Only indices h/2 + 1 .. h - 1
// are used; the upper half mirrors them. The walk steps like a midpoint ellipse, 64-bit because
// the terms grow with the fourth power of the size.
std::vector<int> EllipseInsets(int w, int h) {
    std::vector<int> inset(static_cast<std::size_t>(h), 0);
    const std::int64_t a = w - 1;
    const std::int64_t b = h - 1;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + (b % 2));
    std::int64_t err = dx + dy + a * a * (b % 2);
    int x = 0;
    int y = h / 2;
    while (x <= w / 2) {
        const std::int64_t e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            dx += 8 * b * b;
            err += dx;
        }
        if (e2 <= dy) {
            ++y;
            dy += 8 * a * a;
            err += dy;
            if (y < h) inset[static_cast<std::size_t>(y)] = x;
        }
    }
    // An ellipse much taller than wide ends the walk before the last rows; those rows keep the
    // narrowest inset reached so the corner stays a straight continuation.
    for (int row = std::max(y + 1, h / 2 + 1); row < h; ++row)
        inset[static_cast<std::size_t>(row)] = inset[static_cast<std::size_t>(row - 1)];
    return inset;
}

}  // namespace

void Region::AddSpan(int y, int left, int right) {
    if (right > left) mSpans.push_back({y, left, right});
}

Region Region::CreateRectRgn(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    Region region;
    for (int y = top; y < bottom; ++y) region.AddSpan(y, left, right);
    return region;
}

Region Region::CreateRoundRectRgn(int left, int top, int right, int bottom, int w, int h) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return {};
    right -= 1;
    bottom -= 1;
    w = std::min(right - left, std::abs(w));
    h = std::min(bottom - top, std::abs(h));
    if (w <= 2 || h <= 2) return CreateRectRgn(left, top, right, bottom);

    const std::vector<int> inset = EllipseInsets(w, h);
    auto insetAt = [&inset](int i) { return inset[static_cast<std::size_t>(i)]; };
    Region region;
    for (int i = 0; i < h / 2; ++i)
        region.AddSpan(top + i, left + insetAt(h - 1 - i), right - insetAt(h - 1 - i));
    for (int y = top + h / 2; y <= bottom - h + h / 2; ++y) region.AddSpan(y, left, right);
    for (int i = h / 2 + 1; i < h; ++i)
        region.AddSpan(bottom - h + i, left + insetAt(i), right - insetAt(i));
    return region;
}

bool Region::Contains(int x, int y) const {
    auto it = std::lower_bound(mSpans.begin(), mSpans.end(), y,
                               [](const Span& span, int row) { return span.y < row; });
    for (; it != mSpans.end() && it->y == y; ++it)
        if (x >= it->left && x < it->right) return true;
    return false;
}

Rect Region::BoundingBox() const {
    if (mSpans.empty()) return {};
    Rect box{mSpans.front().left, mSpans.front().y, mSpans.front().right, mSpans.back().y + 1};
    for (const Span& span : mSpans) {
        box.left = std::min(box.left, span.left);
        box.right = std::max(box.right, span.right);
    }
    return box;
}

QRegion Region::ToQRegion() const {
    QRegion result;
    std::size_t i = 0;
    while (i < mSpans.size()) {
        const Span& first = mSpans[i];
        std::size_t next = i + 1;
        while (next < mSpans.size() && mSpans[next].y == mSpans[next - 1].y + 1 &&
               mSpans[next].left == first.left && mSpans[next].right == first.right)
            ++next;
        const int rows = mSpans[next - 1].y - first.y + 1;
        result += QRect(first.left, first.y, first.right - first.left, rows);
        i = next;
    }
    return result;
}

}  // namespace tirnel
