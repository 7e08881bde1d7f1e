#include "platform/io/StagedFile.h"

#include <utility>

namespace tirnel {

namespace fs = std::filesystem;

StagedFile StagedFile::Create(const fs::path& stagingPath, bool preferUnnamed, std::error_code& ec) {
    StagedFile staged;
    staged.mStagingPath = stagingPath;
    if (preferUnnamed) {
        bool unsupported = false;
        staged.mData = File::CreateUnnamed(stagingPath.parent_path(), unsupported, ec);
        if (!unsupported) return staged;
    }
    staged.mData = File::CreateNew(stagingPath, ec);
    staged.mNamed = !ec;
    return staged;
}

void StagedFile::Name(std::error_code& ec) {
    ec.clear();
    if (mNamed || !mData.IsOpen()) return;
    mData.LinkAs(mStagingPath, ec);
    mNamed = !ec;
}

void StagedFile::Close(std::error_code& ec) {
    Name(ec);
    if (!ec) mData.Close(ec);
}

void StagedFile::Sync(std::error_code& ec) {
    if (mData.IsOpen()) {
        mData.Sync(ec);
        return;
    }
    File reopened = File::OpenRead(mStagingPath, ec);
    if (!ec) reopened.Sync(ec);
}

void StagedFile::CommitTo(const fs::path& finalPath, std::error_code& ec) {
    Close(ec);
    if (ec) return;
    fs::rename(mStagingPath, finalPath, ec);
    if (!ec) mNamed = false;  // the staging name is gone with the rename
}

bool StagedFile::Discard() {
    std::error_code ignored;
    mData.Close(ignored);  // an unnamed file is gone with its handle
    if (!mNamed) return true;
    std::error_code ec;
    fs::remove(mStagingPath, ec);
    if (ec) return false;
    mNamed = false;
    return true;
}

}  // namespace tirnel
