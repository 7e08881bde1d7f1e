#pragma once
// Limits and signals of the running process that the runs care about.

#include <cstdint>

namespace tirnel {

// How many files a run may hold open at once, leaving room for the rest of the process,
// after raising the process's own soft limit as far as the system lets it (within reason).
// Computed once.
std::int64_t OpenFileAllowance();

// Routes the signals that ask a terminal program to end (interrupt, terminate, hang-up,
// quit) to `handler`, so a run can stop and clean up, and ignores the file-size-limit
// signal, so a write past the limit fails with an error instead of killing the process.
void RouteStopSignals(void (*handler)(int));
// Only the file-size-limit part of the above, for programs that end in other ways.
void IgnoreFileSizeSignal();

}  // namespace tirnel
