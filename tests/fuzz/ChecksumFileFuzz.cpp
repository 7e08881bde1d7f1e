// Fuzzes the readers of checksum files, which come from outside: the set's own NAME.hpe.sha256
// and the files other tools leave beside numbered sets (sha256sum and md5sum lines, SFV, the
// .crc record). The first input byte picks the file's name; the rest is its content, read for
// a set of three pieces. Whatever the bytes, a reader refuses them or gives what a merge can
// use: a digest for every piece or for the whole file, and plain names only.

#include "pieceset/NumberedChecksums.h"
#include "pieceset/SetChecksums.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace tirnel::fuzz {
namespace {

namespace fs = std::filesystem;

// A folder of the process's own, removed when it ends.
class ScratchFolder {
public:
    ScratchFolder() : mPath(fs::temp_directory_path() / ("tirnel-fuzz-" + std::to_string(::getpid()))) {
        fs::create_directories(mPath);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(mPath, ignored);
    }
    const fs::path& Path() const { return mPath; }

private:
    fs::path mPath;
};

const fs::path& Folder() {
    static const ScratchFolder folder;
    return folder.Path();
}

constexpr const char* kNames[] = {"m.sha256", "SHA256SUMS", "m.md5", "MD5SUMS", "m.sfv", "m.crc", "m.hpe.sha256"};

void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void CheckNumbered(const NumberedSet& set) {
    NumberedChecksums checksums;
    std::string failure;
    switch (LoadNumberedChecksums(set, "无法合并!", checksums, failure)) {
    case ChecksumsFound::Loaded:
        Require(failure.empty());
        Require(checksums.pieces.empty() || checksums.pieces.size() == set.sizes.size());
        Require(!checksums.pieces.empty() || checksums.whole.has_value());
        Require(checksums.recordedName.empty() || checksums.recordedName.find('/') == std::string::npos);
        break;
    case ChecksumsFound::Bad: Require(!failure.empty()); break;
    case ChecksumsFound::Absent:
    case ChecksumsFound::Foreign: break;
    }
}

void CheckOwn(std::string_view descriptor) {
    SetChecksums checksums;
    std::string failure;
    if (checksums.Load(Folder() / "m.hpe", descriptor, 3, "无法合并!", failure) != ChecksumsFound::Loaded) return;
    for (std::int64_t index : {1, 0, 2}) {
        DigestBytes digest{};
        checksums.Expected(index, digest, failure);
    }
}

}  // namespace
}  // namespace tirnel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tirnel;
    using namespace tirnel::fuzz;
    if (size == 0) return 0;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
    const char* name = kNames[data[0] % std::size(kNames)];
    for (const char* other : kNames) fs::remove(Folder() / other);
    Write(Folder() / name, content);
    const NumberedSet set{Folder(), "m", 3, {3, 3, 2}, true};
    CheckNumbered(set);
    CheckOwn("m.bin:code\r\n");
    return 0;
}
