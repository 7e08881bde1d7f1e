#pragma once
// The one file a merge rebuilds, staged in the folder until the commit puts it in place.

#include "pieceset/PathText.h"
#include "pieceset/RunReporter.h"
#include "pieceset/Staging.h"

#include <string>
#include <system_error>
#include <vector>

namespace tirnel {

class MergeOutput : public StagedOutputs {
public:
    explicit MergeOutput(RunReporter& reporter) : mReporter(reporter) {}

    // Stages the file that goes in place as `name`; its data, to be written.
    File& Create(const std::filesystem::path& folder, std::string_view token, bool preferUnnamed, std::string name,
                 std::error_code& ec) {
        mName = std::move(name);
        mFile = StagedFile::Create(StagingPath(folder, token, "out"), preferUnnamed, ec);
        return mFile.Data();
    }
    // Removes what was staged; the hidden name left when it could not be.
    std::vector<std::string> Discard() {
        if (mFile.Discard()) return {};
        return {TextFromPath(mFile.StagingPath().filename())};
    }

    std::int64_t Count() const override { return 1; }
    OutputName NameOf(std::int64_t) const override { return {mName, "out"}; }
    StagedFile Take(std::int64_t) override { return std::move(mFile); }
    void Placed(std::int64_t) override { mReporter.Saving(RunKind::Merge, 1, 1); }

private:
    RunReporter& mReporter;
    std::string mName;
    StagedFile mFile;
};

}  // namespace tirnel
