#pragma once
// A commit's journal. Before the first rename the commit writes into its folder, and flushes,
// what it will put in place or remove, name by name, and whether each name held a file. A run
// killed while it puts its set in place leaves the journal behind; the next run that takes the
// folder's lock settles it: it walks the commit back, or, once the journal says every output
// was in place, finishes removing what the commit replaced. The folder then holds either the
// complete old state or the complete new one.

#include "platform/io/File.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tirnel {

struct JournalStep {
    std::string slot;       // the output's slot among the run's staging names
    std::string finalName;
    bool remove = false;    // the commit removes what stands at the name
    bool existed = false;   // something stood at the name before the commit
};

// Called between two steps of settling a commit, and while the disk flushes, so a caller with
// a window keeps it painted.
using SettleBreath = std::function<void()>;

class CommitJournal {
public:
    CommitJournal() = default;
    // Creates the journal of the commit of run `token` in `folder`.
    static CommitJournal Create(const std::filesystem::path& folder, std::string_view token, std::error_code& ec);

    void Add(const JournalStep& step, std::error_code& ec);
    // Ends the list: a kill from here on is walked back. With `flush` the journal and the folder
    // reach the disk first, so a power loss is walked back too; a commit that replaces nothing
    // needs no flush (a crash can only leave new files beside the old ones).
    void Seal(bool flush, const SettleBreath& breathe, std::error_code& ec);
    // Every output is in place: a kill from here on is finished instead.
    void MarkDone(const SettleBreath& breathe, std::error_code& ec);

    const std::filesystem::path& Path() const { return mPath; }

private:
    void Write(std::string_view text, std::error_code& ec);
    void Flush(std::error_code& ec);

    File mFile;
    std::filesystem::path mPath;
    std::string mPending;
    std::int64_t mWritten = 0;
    bool mFlush = false;
};

// What settling a commit could not make right: final names that do not hold what they should
// (`notRestored`), and hidden names left in the folder (`hidden`). Empty when all went well.
struct CommitLeftovers {
    std::vector<std::string> notRestored;
    std::vector<std::string> hidden;

    bool Empty() const { return notRestored.empty() && hidden.empty(); }
    void Add(const CommitLeftovers& other);
};

// Walks back the commit of the journal at `path` whatever its stage: every name gets back what
// it held before. The journal is removed when that succeeded.
CommitLeftovers WalkBackCommit(const std::filesystem::path& path, const SettleBreath& breathe = {});
// After a commit whose every output is in place: removes what it kept of the files it
// replaced, and the journal when that succeeded.
CommitLeftovers FinishCommit(const std::filesystem::path& path, const SettleBreath& breathe = {});
// Settles each journal that a killed run left: walked back, or finished when it got that far.
// Call it only while holding the folder's lock, so no live run's commit is touched.
CommitLeftovers SettleInterruptedCommits(const std::vector<std::filesystem::path>& journals);

}  // namespace tirnel
