#include "platform/io/File.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace tirnel {
namespace {

namespace fs = std::filesystem;

class CopyRangeTest : public ::testing::TestWithParam<CopyMethod> {
protected:
    void SetUp() override {
        mFolder = fs::temp_directory_path() / ("tirnel-copy-" + std::to_string(std::random_device{}()));
        fs::create_directories(mFolder);
        mBytes.resize(3 * kCopyBlock + 12345);
        std::mt19937 gen(3);
        for (char& c : mBytes) c = static_cast<char>(gen());
        std::ofstream(mFolder / "src", std::ios::binary).write(mBytes.data(), static_cast<std::streamsize>(mBytes.size()));
    }
    void TearDown() override { fs::remove_all(mFolder); }
    std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path mFolder;
    std::string mBytes;
};

TEST_P(CopyRangeTest, CopiesRangesAtOffsetsInBlocks) {
    std::error_code ec;
    File src = File::OpenRead(mFolder / "src", ec);
    ASSERT_FALSE(ec);
    File dst = File::CreateNew(mFolder / "dst", ec);
    ASSERT_FALSE(ec);
    std::vector<std::int64_t> calls;
    const std::int64_t length = 2 * kCopyBlock + 100;
    std::int64_t copied = CopyRange(src, 777, dst, 5, length, ec, [&](std::int64_t n) {
        calls.push_back(n);
        return true;
    }, GetParam());
    EXPECT_FALSE(ec);
    EXPECT_EQ(copied, length);
    EXPECT_EQ(calls, (std::vector<std::int64_t>{kCopyBlock, 2 * kCopyBlock}));
    dst.Close(ec);
    std::string out = Read(mFolder / "dst");
    ASSERT_EQ(out.size(), static_cast<std::size_t>(length + 5));
    EXPECT_EQ(out.substr(0, 5), std::string(5, '\0'));
    EXPECT_EQ(out.substr(5), mBytes.substr(777, static_cast<std::size_t>(length)));
}

TEST_P(CopyRangeTest, StopsAtTheSourceEndOrWhenAsked) {
    std::error_code ec;
    File src = File::OpenRead(mFolder / "src", ec);
    File dst = File::CreateNew(mFolder / "dst", ec);
    const std::int64_t size = static_cast<std::int64_t>(mBytes.size());
    EXPECT_EQ(CopyRange(src, size - 10, dst, 0, 100, ec, {}, GetParam()), 10);
    EXPECT_FALSE(ec);
    EXPECT_EQ(CopyRange(src, 0, dst, 0, size, ec, [](std::int64_t) { return false; }, GetParam()), kCopyBlock);
    EXPECT_EQ(CopyRange(src, size + 5, dst, 0, 100, ec, {}, GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(Methods, CopyRangeTest, ::testing::Values(CopyMethod::Best, CopyMethod::Buffered));

TEST(File, CreateNewNeverReplacesAndErrorsSayWhy) {
    const fs::path folder = fs::temp_directory_path() / ("tirnel-file-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    std::error_code ec;
    File first = File::CreateNew(folder / "a", ec);
    EXPECT_FALSE(ec);
    File again = File::CreateNew(folder / "a", ec);
    EXPECT_EQ(ec, std::errc::file_exists);
    EXPECT_FALSE(again.IsOpen());
    File missing = File::OpenRead(folder / "none", ec);
    EXPECT_EQ(ec, std::errc::no_such_file_or_directory);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tirnel
