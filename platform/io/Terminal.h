#pragma once
#include <cstdio>

namespace tirnel {
// True when the stream is an interactive terminal.
bool IsTerminal(std::FILE* stream);
}  // namespace tirnel
