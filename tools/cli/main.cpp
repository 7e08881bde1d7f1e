// tirnel-cli: the split and merge runs of the window, for scripts.

#include "pieceset/MergeRun.h"
#include "pieceset/PathText.h"
#include "pieceset/SizeArgument.h"
#include "pieceset/SplitRun.h"
#include "pieceset/VerifyRun.h"
#include "platform/io/ProcessLimits.h"
#include "tools/cli/CliArguments.h"
#include "tools/cli/CliReporter.h"
#include "tools/cli/UsageText.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#ifndef TIRNEL_VERSION
#error "TIRNEL_VERSION comes from the project's version in CMake"
#endif

namespace {

using tirnel::cli::Arguments;
using tirnel::cli::Command;
using tirnel::cli::kUsage;

int UsageError(const std::string& what) {
    std::fprintf(stderr, "%s\n%s", what.c_str(), kUsage);
    return 2;
}

int Refusal(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    return 1;
}

// What a path named on the command line has to be, and what is said when it is not.
struct NamedPath {
    const char* missing;
    const char* wrongKind;
    bool (*isKind)(const std::filesystem::path&);
};
constexpr NamedPath kFolderArgument{"目标文件夹不存在: ", "目标文件夹不是文件夹: ", tirnel::IsFolder};
constexpr NamedPath kDescriptorArgument{"找不到描述文件: ", "描述文件不是普通文件: ", tirnel::IsOrdinaryFile};

// A path that is not there, or not of its kind, named as given; an empty name is left to the
// run, which asks for one as the window does.
std::string PathProblem(const std::string& text, const NamedPath& kind) {
    if (tirnel::TrimTrailingSpaces(text).empty()) return "";
    const std::filesystem::path path = tirnel::PathFromText(text);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return kind.missing + text;
    if (!kind.isKind(path)) return kind.wrongKind + text;
    return "";
}

void OnInterrupt(int signal) { tirnel::CliReporter::sInterrupted = signal; }

int Finish(tirnel::CliReporter& reporter, tirnel::RunOutcome outcome) {
    reporter.Finish(outcome);
    switch (outcome) {
    case tirnel::RunOutcome::Completed: return 0;
    // The shell's convention for a program ended by a signal: 130 for Ctrl+C.
    case tirnel::RunOutcome::Stopped: return tirnel::CliReporter::sInterrupted ? 128 + tirnel::CliReporter::sInterrupted : 1;
    default: return 1;
    }
}

// The options a run answers its questions with.
void TakeAnswers(const Arguments& read, tirnel::CliReporter& reporter) {
    reporter.replace = read.replace;
    reporter.noLock = read.noLock;
}

int Split(const std::vector<std::string>& args, tirnel::CliReporter& reporter) {
    const Arguments read = ReadArguments(args, Command::Split);
    if (!read.error.empty()) return UsageError(read.error);
    TakeAnswers(read, reporter);
    const std::vector<std::string>& positional = read.positional;
    if (positional.size() != 3) return UsageError("split 需要三个参数。");
    const tirnel::SizeArgument size = tirnel::ParseSizeArgument(positional[2]);
    if (!size.error.empty()) return UsageError(size.error);
    if (size.megabytes && read.unit && *size.megabytes != *read.unit) {
        return UsageError(tirnel::UnitDisagreement(positional[2], *size.megabytes));
    }
    if (const std::string problem = PathProblem(positional[1], kFolderArgument); !problem.empty()) return Refusal(problem);
    tirnel::SplitInput input;
    input.source = positional[0];
    input.folder = positional[1];
    input.size = tirnel::PieceSize::Read(size.digits, size.megabytes.value_or(read.unit.value_or(false)));
    input.checksums = !read.noChecksum;
    return Finish(reporter, tirnel::SplitRun(input, reporter));
}

int MergeOrVerify(const std::vector<std::string>& args, tirnel::CliReporter& reporter) {
    const bool merge = args[0] == "merge";
    const Arguments read = ReadArguments(args, merge ? Command::Merge : Command::Verify);
    if (!read.error.empty()) return UsageError(read.error);
    TakeAnswers(read, reporter);
    const std::vector<std::string>& positional = read.positional;
    if (positional.size() != 1 && positional.size() != 2) return UsageError(args[0] + " 需要一个或两个参数。");
    tirnel::MergeInput input{positional[0], ""};
    if (const std::string problem = PathProblem(input.descriptor, kDescriptorArgument); !problem.empty()) {
        return Refusal(problem);
    }
    if (positional.size() == 2) {
        input.folder = positional[1];
        if (const std::string problem = PathProblem(input.folder, kFolderArgument); !problem.empty()) {
            return Refusal(problem);
        }
    } else {
        // The pieces usually lie beside their descriptor.
        const std::string folder = tirnel::FolderOf(input.descriptor);
        input.folder = folder.empty() ? std::string("./") : folder;
    }
    return Finish(reporter, merge ? tirnel::MergeRun(input, reporter) : tirnel::VerifyRun(input, reporter));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return UsageError("缺少命令。");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::printf("%s\n%s", tirnel::cli::kHelp, kUsage);
        return 0;
    }
    if (args[0] == "--version") {
        std::fputs("tirnel-cli " TIRNEL_VERSION "\n", stdout);
        return 0;
    }
    tirnel::RouteStopSignals(OnInterrupt);
    tirnel::CliReporter reporter(stdout, stderr);
    if (args[0] == "split") return Split(args, reporter);
    if (args[0] == "merge" || args[0] == "verify") return MergeOrVerify(args, reporter);
    return UsageError("未知命令: " + args[0]);
}
