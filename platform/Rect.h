#pragma once

// A rectangle in device pixels: columns left..right-1 and rows top..bottom-1, as the drawing
// calls take it. Empty when right <= left or bottom <= top (inverted rectangles are empty too).

namespace tirnel {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    constexpr Rect Intersected(const Rect& other) const {
        return {left > other.left ? left : other.left, top > other.top ? top : other.top,
                right < other.right ? right : other.right, bottom < other.bottom ? bottom : other.bottom};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tirnel
