#include "platform/io/Terminal.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
namespace tirnel {
bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }
}  // namespace tirnel
#else
namespace tirnel {
bool IsTerminal(std::FILE*) { return false; }
}  // namespace tirnel
#endif
