#include "platform/io/Terminal.h"

#include <cstdlib>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace tirnel {

namespace {

constexpr int kDefaultColumns = 80;

int ColumnsVariable() {
    const char* text = std::getenv("COLUMNS");
    if (text == nullptr || *text == '\0') return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 && value < 100000 ? static_cast<int>(value) : 0;
}

// What the terminal itself reports; 0 where it says nothing or cannot be asked.
int ReportedColumns(std::FILE* stream) {
#if defined(TIOCGWINSZ)
    winsize size{};
    if (::ioctl(::fileno(stream), TIOCGWINSZ, &size) == 0) return size.ws_col;
#else
    (void)stream;
#endif
    return 0;
}

}  // namespace

#if defined(__unix__) || defined(__APPLE__)
bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }
#else
bool IsTerminal(std::FILE*) { return false; }
#endif

int TerminalColumns(std::FILE* stream) {
    int columns = ReportedColumns(stream);
    if (columns <= 0) columns = ColumnsVariable();
    return columns > 0 ? columns : kDefaultColumns;
}

}  // namespace tirnel
