// Throughput of the range hasher on a file in the page cache, by number of worker threads:
// the rate at which a run can hash what it has just copied.

#include "platform/io/RangeHasher.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr std::int64_t kFileSize = std::int64_t{256} << 20;
constexpr std::int64_t kItemSize = std::int64_t{16} << 20;

// A file of random bytes, written once (which leaves it in the page cache) and removed at exit.
class CachedFile {
public:
    CachedFile() : mPath(fs::temp_directory_path() / ("tirnel-hash-bench-" + std::to_string(std::random_device{}()))) {
        std::error_code ec;
        mFile = tirnel::File::CreateNew(mPath, ec);
        std::vector<char> block(1 << 20);
        std::mt19937_64 gen(1);
        for (std::int64_t at = 0; !ec && at < kFileSize; at += static_cast<std::int64_t>(block.size())) {
            for (char& c : block) c = static_cast<char>(gen());
            mFile.WriteAt(block.data(), block.size(), at, ec);
        }
        if (ec) mFile = tirnel::File();
    }
    ~CachedFile() {
        std::error_code ec;
        fs::remove(mPath, ec);
    }
    const tirnel::File& Get() const { return mFile; }

private:
    fs::path mPath;
    tirnel::File mFile;
};

void BM_RangeHasher(benchmark::State& state) {
    static const CachedFile file;
    if (!file.Get().IsOpen()) {
        state.SkipWithError("cannot write the test file");
        return;
    }
    tirnel::RangeHasher hasher(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::error_code ec;
        for (std::int64_t at = 0; at < kFileSize; at += kItemSize) {
            while (!hasher.HasRoom()) hasher.WaitForRoom(1s);
            hasher.Submit(file.Get(), at, kItemSize, at / kItemSize, ec);
        }
        while (!hasher.WaitIdle(1s)) {
        }
        benchmark::DoNotOptimize(hasher.TakeResults());
    }
    state.SetBytesProcessed(state.iterations() * kFileSize);
}
BENCHMARK(BM_RangeHasher)->ArgName("threads")->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
