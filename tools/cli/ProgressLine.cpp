#include "tools/cli/ProgressLine.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace tirnel {

namespace {
constexpr int kDefaultColumns = 80;
constexpr int kMaxBar = 40;
constexpr int kMinBar = 10;
constexpr int kPercentWidth = 4;  // " 42%"

int ColumnsVariable() {
    const char* text = std::getenv("COLUMNS");
    if (text == nullptr || *text == '\0') return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 && value < 100000 ? static_cast<int>(value) : 0;
}
}  // namespace

int TerminalColumns(std::FILE* stream) {
#if defined(TIOCGWINSZ)
    winsize size{};
    if (::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
#else
    (void)stream;
#endif
    const int columns = ColumnsVariable();
    return columns > 0 ? columns : kDefaultColumns;
}

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
