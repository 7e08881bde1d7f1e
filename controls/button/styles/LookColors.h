#pragma once
// The words the looks' data is written in: a tone (a fixed colour or the back colour,
// shifted by an amount), a shade from one tone to another, and a line in a tone.

#include "controls/button/ButtonCanvas.h"
#include "controls/button/ButtonColors.h"
#include "controls/button/ButtonLook.h"
#include "platform/Colors.h"

#include <array>
#include <cstddef>
#include <limits>

namespace tirnel {

// A colour of a look: a fixed colour, or the back colour, shifted by an amount (none: the
// colour as it is).
struct Tone {
    constexpr Tone(Color fixed, float amount = 0.0f) : color(fixed), shift(amount) {}
    static constexpr Tone Back(float amount) {
        Tone tone(0, amount);
        tone.ofBack = true;
        return tone;
    }

    Color color;
    float shift;
    bool ofBack = false;

    Color On(const ButtonLook& b) const {
        const Color base = ofBack ? b.backColor : color;
        return shift == 0.0f ? base : ShiftColor(base, shift);
    }
};

// A blend from one tone to another: top to bottom or left to right, as painted.
struct Shade {
    Tone from;
    Tone to;
};

inline void PaintShade(const ButtonLook& b, ButtonCanvas& c, int x, int y, int width, int height,
                       const Shade& shade, int direction) {
    c.PaintGradient(x, y, width, height, shade.from.On(b), shade.to.On(b), direction);
}

// Where a line runs: a coordinate below 0 counts back from the button's width or height, and
// kFarEdge is the width or height itself; so {1, -2, -2, -2} runs from (1, H-2) to (W-2, H-2)
// and, the end point not being drawn, {0, -4, kFarEdge, -4} covers row H-4 from side to side.
struct LinePlace {
    int x1, y1, x2, y2;
};
inline constexpr int kFarEdge = std::numeric_limits<int>::min();

inline int Along(int coordinate, int size) {
    if (coordinate == kFarEdge) return size;
    return coordinate < 0 ? size + coordinate : coordinate;
}

inline void DrawLineAt(const ButtonLook& b, ButtonCanvas& c, const LinePlace& at, Color color) {
    c.DrawLine(Along(at.x1, b.mWidth), Along(at.y1, b.mHeight), Along(at.x2, b.mWidth), Along(at.y2, b.mHeight),
               color);
}

// A line of a look in its tone.
struct LookLine {
    LinePlace at;
    Tone tone;
};

// The lines in order.
template <std::size_t N>
void DrawLookLines(const ButtonLook& b, ButtonCanvas& c, const std::array<LookLine, N>& lines) {
    for (const LookLine& line : lines) DrawLineAt(b, c, line.at, line.tone.On(b));
}

// Lines of one place drawn in the colours of a set, each in its own.
template <std::size_t N>
void DrawLinesIn(const ButtonLook& b, ButtonCanvas& c, const std::array<LinePlace, N>& places,
                 const std::array<Color, N>& colors) {
    for (std::size_t i = 0; i < N; ++i) DrawLineAt(b, c, places[i], colors[i]);
}

}  // namespace tirnel
