#pragma once
// Output of a run is written under hidden temporary names beside the final ones and
// renamed into place only when everything is complete, so a failing or stopped run leaves
// the folder as it was and nothing half written ever carries a final name.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tirnel {

// A fresh random token that tells this run's temporary files apart.
std::string NewStagingToken();

// ".<name>.<token>.part" in the folder of `finalPath`.
std::filesystem::path StagingPathFor(const std::filesystem::path& finalPath, std::string_view token);

// Moves a finished temporary file over its final name (replacing a file of that name).
void CommitStaged(const std::filesystem::path& stagedPath, const std::filesystem::path& finalPath,
                  std::error_code& ec);

// Removes a temporary file; a missing one is fine.
void DiscardStaged(const std::filesystem::path& stagedPath);

}  // namespace tirnel
