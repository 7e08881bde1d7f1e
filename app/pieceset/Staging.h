#pragma once
// Output of a run is staged, unnamed or under hidden names in its folder, and put in place
// only when everything is complete: a failing, stopped or killed run leaves the folder as it
// was, and nothing half written ever carries a final name. Putting a whole set in place is
// all or nothing too: what it replaces is kept until every file is in place.

#include "platform/io/StagedFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tirnel {

// A fresh random token that tells this run's staging files apart.
std::string NewStagingToken();

// ".tirnel-<token>-<slot>.part": the hidden name of one staged file of a run, whatever the
// length of its final name. `slot` is short: a piece number, "hpe", "out".
std::string StagingName(std::string_view token, std::string_view slot);
// True for a name of that pattern, or of the pattern of what a commit moves aside.
bool IsStagingName(std::string_view name);

// Removes what earlier runs that were killed left in `folder`: their staging files, and
// second names of files still in place. Call it only while holding the folder's lock, so no
// live run's files are touched.
void RemoveStaleStaging(const std::filesystem::path& folder);

// One file of a run's output.
struct StagedOutput {
    StagedFile file;
    std::filesystem::path finalPath;
    std::string displayName;  // as notices name it
    std::string slot;
};

// Creates a staged output in `folder`.
StagedOutput StageOutput(const std::filesystem::path& folder, const std::string& finalName, std::string_view token,
                         std::string_view slot, bool preferUnnamed, std::error_code& ec);

// Why a commit failed: the file that could not be put in place, and the reason.
struct CommitFailure {
    std::string name;
    std::error_code ec;
    std::vector<std::string> notRestored;  // final names left not as they were
};

// Puts every output in place, in order, replacing files of their names; all or nothing.
// Where an output replaces a file, its data is flushed to the disk before the rename and
// the folder after, so a crash leaves the old file or the new one, never neither.
// On failure every final name holds what it held before and `failure` says why.
bool CommitOutputs(std::vector<StagedOutput*> outputs, const std::filesystem::path& folder,
                   std::string_view token, CommitFailure& failure);

// Removes staged files not yet committed; returns the hidden names it could not remove.
std::vector<std::string> DiscardOutputs(const std::vector<StagedOutput*>& outputs);

}  // namespace tirnel
