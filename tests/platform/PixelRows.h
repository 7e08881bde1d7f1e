#pragma once

// Test helper: a surface as rows of characters, one per pixel, so expected pictures can be
// written out as literals.

#include "platform/Surface.h"

#include <map>
#include <string>
#include <vector>

namespace tirnel::test {

using Legend = std::map<Color, char>;

// Each pixel becomes the character its colour has in `legend`, or '?' for a colour not listed.
inline std::vector<std::string> PixelRows(const Surface& surface, const Legend& legend) {
    std::vector<std::string> rows;
    for (int y = 0; y < surface.Height(); ++y) {
        std::string row;
        for (int x = 0; x < surface.Width(); ++x) {
            const auto it = legend.find(surface.GetPixel(x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kInk = 0x0000FF;  // red

// A white surface with the red foreground colour.
inline Surface BlankSurface(int width, int height) {
    Surface surface(width, height);
    surface.SetBackColor(kWhite);
    surface.Clear();
    surface.SetForeColor(kInk);
    return surface;
}

inline const Legend kInkLegend = {{kWhite, '.'}, {kInk, '#'}};

}  // namespace tirnel::test
