#pragma once
// A file that takes its final name only when it is committed. Where the file system allows,
// it has no name at all until then, so a process that is killed or loses power leaves
// nothing behind; elsewhere it is written under a hidden staging name.

#include "platform/io/File.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace tirnel {

class StagedFile {
public:
    StagedFile() = default;
    // A staged file known by its parts: the handle of an unnamed one (`named` false), or a
    // named one whose handle may be closed.
    StagedFile(File data, std::filesystem::path stagingPath, bool named)
        : mData(std::move(data)), mStagingPath(std::move(stagingPath)), mNamed(named) {}
    StagedFile(StagedFile&&) noexcept = default;
    StagedFile& operator=(StagedFile&&) noexcept = default;

    // Creates the file in the folder of `stagingPath`: unnamed when `preferUnnamed` and the
    // file system can, otherwise under `stagingPath`, which must not exist yet.
    static StagedFile Create(const std::filesystem::path& stagingPath, bool preferUnnamed, std::error_code& ec);

    File& Data() { return mData; }
    // Hands the handle over (for an unnamed file, the file itself: keep it open).
    File ReleaseData() { return std::move(mData); }
    bool IsNamed() const { return mNamed; }
    bool IsOpen() const { return mData.IsOpen(); }
    const std::filesystem::path& StagingPath() const { return mStagingPath; }

    // Closes the data handle, giving an unnamed file its staging name first (it would vanish
    // otherwise). Reports a late write error.
    void Close(std::error_code& ec);
    // Flushes the file's data to the disk.
    void Sync(std::error_code& ec);
    // Closes it and moves it over `finalPath`, replacing a file of that name.
    void CommitTo(const std::filesystem::path& finalPath, std::error_code& ec);
    // Closes it and removes it; false when a named file could not be removed.
    bool Discard();

private:
    void Name(std::error_code& ec);

    File mData;
    std::filesystem::path mStagingPath;
    bool mNamed = false;
};

}  // namespace tirnel
