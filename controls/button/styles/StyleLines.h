#pragma once
// Lines of the looks given as data: a coordinate below 0 counts back from the button's width
// or height, so {1, -2, -2, -2} is the line from (1, H-2) to (W-2, H-2).

#include "controls/button/ButtonCanvas.h"
#include "controls/button/ButtonLook.h"

#include <array>
#include <cstddef>

namespace tirnel {

struct StyleLine {
    int x1, y1, x2, y2;
};

inline int Along(int coordinate, int size) { return coordinate < 0 ? size + coordinate : coordinate; }

inline void DrawStyleLine(const ButtonLook& b, ButtonCanvas& c, const StyleLine& line, Color colour) {
    c.DrawLine(Along(line.x1, b.mWidth), Along(line.y1, b.mHeight), Along(line.x2, b.mWidth),
               Along(line.y2, b.mHeight), colour);
}

// Each line in its own colour, in order.
template <std::size_t N>
void DrawStyleLines(const ButtonLook& b, ButtonCanvas& c, const std::array<StyleLine, N>& lines,
                    const std::array<Color, N>& colours) {
    for (std::size_t i = 0; i < N; ++i) DrawStyleLine(b, c, lines[i], colours[i]);
}

// A line and the amount the back colour is shifted by for it.
struct ShadedLine {
    StyleLine line;
    float shift;
};

template <std::size_t N>
void DrawShadedLines(const ButtonLook& b, ButtonCanvas& c, const std::array<ShadedLine, N>& lines) {
    for (const ShadedLine& l : lines) DrawStyleLine(b, c, l.line, b.S(l.shift));
}

}  // namespace tirnel
