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

int Split(const std::vector<std::string>& args, tirnel::CliReporter& reporter) {
    tirnel::SplitInput input;
    std::optional<bool> unitOption;  // true: MB
    std::vector<std::string> positional;
    bool options = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options || arg.rfind("--", 0) != 0) {
            positional.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--unit") {
            if (i + 1 >= args.size()) return UsageError("--unit 后面缺少 KB 或 MB。");
            const std::string& unit = args[++i];
            if (unit == "MB" || unit == "mb") unitOption = true;
            else if (unit == "KB" || unit == "kb") unitOption = false;
            else return UsageError("--unit 只能是 KB 或 MB。");
        } else if (arg == "--no-checksum") {
            input.checksums = false;
        } else if (arg == "--replace") {
            reporter.replaceSets = true;
        } else {
            return UsageError("未知选项: " + arg);
        }
    }
    if (positional.size() != 3) return UsageError("split 需要三个参数。");
    const tirnel::SizeArgument size = tirnel::ParseSizeArgument(positional[2]);
    if (!size.error.empty()) return UsageError(size.error);
    if (size.megabytes && unitOption && *size.megabytes != *unitOption) {
        return UsageError(tirnel::UnitDisagreement(positional[2], *size.megabytes));
    }
    if (const std::string problem = FolderProblem(positional[1]); !problem.empty()) return Refusal(problem);
    input.source = positional[0];
    input.folder = positional[1];
    input.sizeText = size.digits;
    input.megabytes = size.megabytes.value_or(unitOption.value_or(false));
    return Finish(reporter, tirnel::SplitRun(input, reporter));
}

int MergeOrVerify(const std::vector<std::string>& args, tirnel::CliReporter& reporter) {
    const bool merge = args[0] == "merge";
    if (args.size() != 3 && !(merge && args.size() == 2)) {
        std::string what = args[0];
        what += merge ? " 需要一个或两个参数。" : " 需要两个参数。";
        return UsageError(what);
    }
    tirnel::MergeInput input{args[1], ""};
    if (args.size() == 3) {
        input.folder = args[2];
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
