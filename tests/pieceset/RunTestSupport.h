#pragma once
// Temporary folders, file helpers and a reporter that records what a run says.

#include "pieceset/RunReporter.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tirnel::test {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        std::random_device device;
        mPath = fs::temp_directory_path() / ("tirnel-test-" + std::to_string(device()) + std::to_string(device()));
        fs::create_directories(mPath);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(mPath, ignored);
    }
    const fs::path& Path() const { return mPath; }
    std::string Text() const { return mPath.string(); }
    fs::path operator/(const std::string& name) const { return mPath / fs::path(std::u8string(name.begin(), name.end())); }

private:
    fs::path mPath;
};

inline std::string Pattern(std::size_t size, unsigned seed = 1) {
    std::string bytes(size, '\0');
    std::mt19937 gen(seed);
    for (char& c : bytes) c = static_cast<char>(gen() & 0xFF);
    return bytes;
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every file in the folder (names as UTF-8) with its size and a digest of its contents.
inline std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::u8string name = entry.path().filename().u8string();
        std::string content = entry.is_regular_file()
            ? std::to_string(entry.file_size()) + ":" + std::to_string(std::hash<std::string>{}(ReadFile(entry.path())))
            : "<folder>";
        files[std::string(name.begin(), name.end())] = content;
    }
    return files;
}

// True when the folder holds a run's hidden files (staged, kept aside, or a journal).
inline bool HoldsHiddenFiles(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".tirnel-")) return true;
    }
    return false;
}

class RecordingReporter : public RunReporter {
public:
    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void SetProgress(int value) override { progress.push_back(value); }
    void DoEvents() override {
        ++events;
        if (onEvents) onEvents(events);
    }
    bool StopRequested() override { return stop; }
    bool Confirm(const Question& question) override {
        asked.push_back(question);
        return answer;
    }
    void ShowCompletion(const Completion& done) override {
        completion = done;
        RunReporter::ShowCompletion(done);
    }

    std::vector<std::string> notices;  // the completion's text among them
    std::vector<int> progress;
    int events = 0;
    bool stop = false;
    bool answer = false;               // to every question
    std::vector<Question> asked;
    std::optional<Completion> completion;
    std::function<void(int)> onEvents;
};

}  // namespace tirnel::test
