#include "platform/io/RangeHasher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <random>
#include <string>

namespace tirnel {
namespace {

using namespace std::chrono_literals;
constexpr std::int64_t kBlock = RangeHasher::kReadBlock;

// Ranges across the read blocks and past the end, in rounds through a full queue, from a handle
// that wrote the data and is closed before the hashing ends: each comes back once, right.
TEST(RangeHasher, HashesEveryRangeOnceFromAClosedHandle) {
    std::string bytes(3 * kBlock + 4321, '\0');
    std::mt19937 gen(5);
    for (char& c : bytes) c = static_cast<char>(gen());
    const std::int64_t size = static_cast<std::int64_t>(bytes.size());
    const auto path = std::filesystem::temp_directory_path() / ("tirnel-hash-" + std::to_string(gen()));
    std::error_code ec;
    File file = File::CreateNew(path, ec);
    ASSERT_FALSE(ec);
    std::filesystem::remove(path);  // the handles keep the data
    file.WriteAt(bytes.data(), bytes.size(), 0, ec);
    ASSERT_FALSE(ec);

    const std::pair<std::int64_t, std::int64_t> ranges[] = {
        {0, 0}, {9, 1}, {1, kBlock - 1}, {0, kBlock}, {3, kBlock + 1}, {kBlock - 1, 2},
        {5, size - 5}, {size - 10, 100}, {size, 1}, {size + 7, 0}};
    const std::int64_t count = 5 * static_cast<std::int64_t>(std::size(ranges));
    static_assert(5 * std::size(ranges) > RangeHasher::kMaxUnfinished);
    RangeHasher hasher(2);
    std::map<std::int64_t, RangeHasher::HashResult> results;
    auto collect = [&] {
        for (RangeHasher::HashResult& r : hasher.TakeResults()) EXPECT_TRUE(results.emplace(r.index, r).second);
    };
    for (std::int64_t index = 0; index < count; ++index) {
        if (!hasher.HasRoom()) {
            ASSERT_TRUE(hasher.WaitForRoom(10s));
        }
        const auto [offset, length] = ranges[index % std::size(ranges)];
        ASSERT_TRUE(hasher.Submit(file, offset, length, index, ec)) << ec.message();
        if (index % 7 == 0) collect();
    }
    file.Close(ec);
    ASSERT_TRUE(hasher.WaitIdle(30s));
    collect();
    EXPECT_TRUE(hasher.TakeResults().empty());

    ASSERT_EQ(results.size(), static_cast<std::size_t>(count));
    for (const auto& [index, result] : results) {
        const auto [offset, length] = ranges[index % std::size(ranges)];
        SCOPED_TRACE(testing::Message() << "offset " << offset << " length " << length);
        const std::int64_t start = std::min(offset, size), there = std::min(length, size - start);
        EXPECT_FALSE(result.ec);
        EXPECT_EQ(result.shortRead, there < length);
        EXPECT_EQ(HexOf(result.digest), HexOf(Sha256Of(std::string_view(bytes).substr(start, there))));
    }
}

// A worker kept busy by a source far too long to hash in the test's time (a sparse file of
// 1 TiB): the queue fills, waits give up at their timeout, and the hasher still goes away at
// once with the work pending.
TEST(RangeHasher, FullQueueTimesOutAndDestructionCancels) {
    const auto path = std::filesystem::temp_directory_path() / ("tirnel-endless-" + std::to_string(std::random_device{}()));
    std::error_code ec;
    File endless = File::CreateNew(path, ec);
    ASSERT_FALSE(ec);
    std::filesystem::resize_file(path, std::uintmax_t{1} << 40, ec);
    std::filesystem::remove(path);  // the handles keep the data
    if (ec) GTEST_SKIP() << "the temporary folder takes no sparse file of 1 TiB: " << ec.message();
    {
        RangeHasher hasher(1);
        for (int i = 0; i < RangeHasher::kMaxUnfinished; ++i) {
            EXPECT_TRUE(hasher.HasRoom());
            ASSERT_TRUE(hasher.Submit(endless, 0, std::int64_t{1} << 60, i, ec));
        }
        EXPECT_FALSE(hasher.HasRoom());
        EXPECT_FALSE(hasher.WaitForRoom(20ms));
        EXPECT_FALSE(hasher.WaitIdle(20ms));
        EXPECT_TRUE(hasher.TakeResults().empty());
    }

    RangeHasher hasher;
    EXPECT_TRUE(hasher.WaitIdle(0ms));
    EXPECT_FALSE(hasher.Submit(File(), 0, 1, 0, ec));
    EXPECT_EQ(ec, std::errc::bad_file_descriptor);
    EXPECT_FALSE(hasher.Submit(endless, -1, 1, 0, ec));
    EXPECT_EQ(ec, std::errc::invalid_argument);
}

}  // namespace
}  // namespace tirnel
