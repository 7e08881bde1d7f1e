#include "tools/cli/ProgressLine.h"

#include <algorithm>
#include <cstdio>

namespace tirnel {

namespace {
constexpr int kMaxBar = 40;
constexpr int kMinBar = 10;
constexpr int kPercentWidth = 4;  // " 42%"
}  // namespace

std::string ProgressLine(int percent, int columns) {
    const int room = columns - kFreeColumns;
    percent = std::clamp(percent, 0, 100);
    char number[8];
    std::snprintf(number, sizeof number, "%3d%%", percent);
    const int bar = std::min(kMaxBar, room - kPercentWidth - 3);  // "[", "] " around the bar
    if (bar >= kMinBar) {
        std::string line = "[" + std::string(static_cast<std::size_t>(percent * bar / 100), '#');
        line.resize(static_cast<std::size_t>(bar) + 1, '-');
        return line + "] " + number;
    }
    return room >= kPercentWidth ? std::string(number) : std::string();
}

}  // namespace tirnel
