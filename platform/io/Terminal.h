#pragma once
// The terminal behind a standard stream.

#include <cstdio>

namespace tirnel {

// True when the stream is an interactive terminal.
bool IsTerminal(std::FILE* stream);

// The width of the terminal behind `stream`: the window size the terminal reports, else
// the COLUMNS variable (a whole number from 1 to 99999), else 80.
int TerminalColumns(std::FILE* stream);

}  // namespace tirnel
