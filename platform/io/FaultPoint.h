#pragma once
// Named moments of a run where a test can make the process fail as a crash or a kill would
// (between two renames of a commit, say). Without a hook installed nothing happens.

#include <string_view>

namespace tirnel {

using FaultHook = void (*)(std::string_view point);

// Installs the hook every FaultPoint calls; nullptr removes it.
void SetFaultHook(FaultHook hook);
void FaultPoint(std::string_view point);

}  // namespace tirnel
