// tirnel-cli: the split and merge runs of the window, for scripts.

#include "app/pieceset/MergeRun.h"
#include "app/pieceset/SplitRun.h"
#include "app/pieceset/VerifyRun.h"
#include "platform/io/ProcessLimits.h"
#include "platform/io/Terminal.h"
#include "tools/cli/CliReporter.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "用法:\n"
    "  tirnel-cli split 源文件 目标文件夹 分割大小 [--unit KB|MB] [--no-checksum] [--replace]\n"
    "  tirnel-cli merge 描述文件(.hpe) 目标文件夹\n"
    "  tirnel-cli verify 描述文件(.hpe) 目标文件夹\n"
    "  tirnel-cli --help\n";

constexpr const char* kHelp =
    "Tirnel 文件分割器的命令行。\n"
    "\n"
    "split  把源文件切成大小相同的分割文件 001.pe、002.pe …,并写入描述文件\n"
    "       (源文件名去掉扩展名,加上 .hpe)。分割大小按原样写入描述文件,\n"
    "       单位默认为 KB。\n"
    "       同时写入校验文件(描述文件名加 .sha256,可用 sha256sum -c 检查);\n"
    "       --no-checksum 不写校验文件。目标文件夹中已有另一组分割文件时拒绝分割,\n"
    "       --replace 则替换那组文件(连同它的描述文件和校验文件)。\n"
    "merge  读取描述文件,从目标文件夹读出各个分割文件,在该文件夹中重建原文件\n"
    "       (文件名取自描述文件)。描述文件旁有校验文件时,边合并边校验,\n"
    "       有损坏的分割文件则不保存合并结果。\n"
    "verify 按校验文件检查各个分割文件,不写入任何文件;逐个列出缺少、大小不对\n"
    "       或已损坏的分割文件。\n"
    "\n"
    "完成时的提示写到标准输出,拒绝和失败的原因写到标准错误;\n"
    "标准错误是终端时显示进度条。Ctrl+C(以及关闭终端、SIGTERM、SIGQUIT)中断运行\n"
    "并删除本次写入的文件。\n"
    "\n"
    "退出状态: 0 完成(verify: 全部完好); 1 运行以提示结束,没有留下任何文件\n"
    "(verify: 有分割文件缺少或损坏,或无法校验); 2 用法错误。\n";

int UsageError(const char* what) {
    std::fprintf(stderr, "%s\n%s", what, kUsage);
    return 2;
}

void OnInterrupt(int) { tirnel::CliReporter::sInterrupted = 1; }

int Finish(tirnel::CliReporter& reporter, tirnel::RunOutcome outcome) {
    reporter.Finish(outcome);
    return outcome == tirnel::RunOutcome::Completed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return UsageError("缺少命令。");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kHelp, stdout);
        std::fputs(kUsage, stdout);
        return 0;
    }
    tirnel::RouteStopSignals(OnInterrupt);
    tirnel::CliReporter reporter(stdout, stderr, tirnel::IsTerminal(stderr));

    if (args[0] == "split") {
        tirnel::SplitInput input;
        std::vector<std::string> positional;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--unit") {
                if (i + 1 >= args.size()) return UsageError("--unit 后面缺少 KB 或 MB。");
                const std::string& unit = args[++i];
                if (unit == "MB" || unit == "mb") input.megabytes = true;
                else if (unit == "KB" || unit == "kb") input.megabytes = false;
                else return UsageError("--unit 只能是 KB 或 MB。");
            } else if (args[i] == "--no-checksum") {
                input.checksums = false;
            } else if (args[i] == "--replace") {
                reporter.replaceSets = true;
            } else {
                positional.push_back(args[i]);
            }
        }
        if (positional.size() != 3) return UsageError("split 需要三个参数。");
        input.source = positional[0];
        input.folder = positional[1];
        input.sizeText = positional[2];
        return Finish(reporter, tirnel::SplitRun(input, reporter));
    }
    if (args[0] == "merge" || args[0] == "verify") {
        if (args.size() != 3) return UsageError((args[0] + " 需要两个参数。").c_str());
        tirnel::MergeInput input{args[1], args[2]};
        return Finish(reporter, args[0] == "merge" ? tirnel::MergeRun(input, reporter) : tirnel::VerifyRun(input, reporter));
    }
    return UsageError(("未知命令: " + args[0]).c_str());
}
