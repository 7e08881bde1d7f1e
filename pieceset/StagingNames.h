#pragma once
// The hidden names a run gives what it writes before the commit puts it in place, and what
// the commit keeps of the files it replaces: ".tirnel-<token>-<slot>.part", ".old", and the
// commit's journal ".tirnel-<token>.journal". Their length does not depend on the final
// names, so final names up to the file system's limit work.

#include <filesystem>
#include <string>
#include <string_view>

namespace tirnel {

// A fresh random token that tells this run's staging files apart.
std::string NewStagingToken();

// The hidden name of one staged file of a run. `slot` is short: a piece number, "hpe", "out".
std::string StagingName(std::string_view token, std::string_view slot);
std::filesystem::path StagingPath(const std::filesystem::path& folder, std::string_view token, std::string_view slot);
// Where a commit keeps the file it replaces at the final name of `slot` until it is done.
std::string AsideName(std::string_view token, std::string_view slot);
std::string JournalName(std::string_view token);

// True for a staged file's name or an aside's.
bool IsStagingName(std::string_view name);
bool IsAsideName(std::string_view name);
// The token of a journal's name; empty when the name is not one.
std::string TokenOfJournal(std::string_view name);

}  // namespace tirnel
