// tirnel-cli: the split and merge runs of the window, for scripts.

#include "pieceset/MergeRun.h"
#include "pieceset/PathText.h"
#include "pieceset/SizeArgument.h"
#include "pieceset/SplitRun.h"
#include "pieceset/VerifyRun.h"
#include "platform/io/ProcessLimits.h"
#include "tools/cli/CliReporter.h"
#include "tools/cli/UsageText.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#ifndef TIRNEL_VERSION
#error "TIRNEL_VERSION comes from the project's version in CMake"
#endif

namespace {

using tirnel::cli::kUsage;

int UsageError(const std::string& what) {
    std::fprintf(stderr, "%s\n%s", what.c_str(), kUsage);
    return 2;
}

int Refusal(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    return 1;
}

// A folder named on the command line that is not there; an empty name is left to the run,
// which asks for a folder as the window does.
std::string FolderProblem(const std::string& folder) {
    if (tirnel::TrimTrailingSpaces(folder).empty()) return "";
    const std::filesystem::path path = tirnel::PathFromText(folder);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return "目标文件夹不存在: " + folder;
    if (!tirnel::IsFolder(path)) return "目标文件夹不是文件夹: " + folder;
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

// The options and positional arguments of one command. Options may stand anywhere; "--"
// ends them.
struct Arguments {
    std::vector<std::string> positional;
    std::optional<bool> unit;  // --unit: true for MB
    bool noChecksum = false;
    std::string error;         // a usage error
};

// `split`: the options of split; `writes`: those of a command that writes (split, merge).
Arguments ReadArguments(const std::vector<std::string>& args, bool split, bool writes, tirnel::CliReporter& reporter) {
    Arguments read;
    bool options = true;
    for (std::size_t i = 1; i < args.size() && read.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (!options || arg.rfind("--", 0) != 0) {
            read.positional.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (writes && arg == "--replace") {
            reporter.replace = true;
        } else if (writes && arg == "--no-lock") {
            reporter.noLock = true;
        } else if (split && arg == "--no-checksum") {
            read.noChecksum = true;
        } else if (split && arg == "--unit") {
            if (i + 1 >= args.size()) {
                read.error = "--unit 后面缺少 KB 或 MB。";
                break;
            }
            const std::string& unit = args[++i];
            if (unit == "MB" || unit == "mb") read.unit = true;
            else if (unit == "KB" || unit == "kb") read.unit = false;
            else read.error = "--unit 只能是 KB 或 MB。";
        } else {
            read.error = "未知选项: " + arg;
        }
    }
    return read;
}

int Split(const std::vector<std::string>& args, tirnel::CliReporter& reporter) {
    const Arguments read = ReadArguments(args, true, true, reporter);
    if (!read.error.empty()) return UsageError(read.error);
    const std::vector<std::string>& positional = read.positional;
    if (positional.size() != 3) return UsageError("split 需要三个参数。");
    const tirnel::SizeArgument size = tirnel::ParseSizeArgument(positional[2]);
    if (!size.error.empty()) return UsageError(size.error);
    if (size.megabytes && read.unit && *size.megabytes != *read.unit) {
        return UsageError(tirnel::UnitDisagreement(positional[2], *size.megabytes));
    }
    if (const std::string problem = FolderProblem(positional[1]); !problem.empty()) return Refusal(problem);
    tirnel::SplitInput input;
    input.source = positional[0];
    input.folder = positional[1];
    input.size = tirnel::PieceSize::Read(size.digits, size.megabytes.value_or(read.unit.value_or(false)));
    input.checksums = !read.noChecksum;
    return Finish(reporter, tirnel::SplitRun(input, reporter));
}

int MergeOrVerify(const std::vector<std::string>& args, tirnel::CliReporter& reporter) {
    const bool merge = args[0] == "merge";
    const Arguments read = ReadArguments(args, false, merge, reporter);
    if (!read.error.empty()) return UsageError(read.error);
    const std::vector<std::string>& positional = read.positional;
    if (positional.size() != 2 && !(merge && positional.size() == 1)) {
        std::string what = args[0];
        what += merge ? " 需要一个或两个参数。" : " 需要两个参数。";
        return UsageError(what);
    }
    tirnel::MergeInput input{positional[0], ""};
    if (positional.size() == 2) {
        input.folder = positional[1];
        if (const std::string problem = FolderProblem(input.folder); !problem.empty()) return Refusal(problem);
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
        std::fputs(tirnel::cli::kHelp, stdout);
        std::fputs(kUsage, stdout);
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
