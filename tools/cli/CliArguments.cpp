#include "tools/cli/CliArguments.h"

#include <string_view>

namespace tirnel::cli {

namespace {

void ReadUnit(Arguments& read, const std::string& value) {
    const struct {
        std::string_view text;
        bool megabytes;
    } kUnits[] = {{"KB", false}, {"kb", false}, {"MB", true}, {"mb", true}};
    for (const auto& unit : kUnits) {
        if (value == unit.text) {
            read.unit = unit.megabytes;
            return;
        }
    }
    read.error = "--unit 只能是 KB 或 MB。";
}

struct OptionRule {
    std::string_view name;
    bool splitOnly;             // else every command that writes (split, merge) takes it
    std::string_view valueHint; // what its value may be; empty for an option without one
    void (*apply)(Arguments& read, const std::string& value);
};

constexpr OptionRule kOptions[] = {
    {"--unit", true, "KB 或 MB", ReadUnit},
    {"--no-checksum", true, "", [](Arguments& read, const std::string&) { read.noChecksum = true; }},
    {"--replace", false, "", [](Arguments& read, const std::string&) { read.replace = true; }},
    {"--no-lock", false, "", [](Arguments& read, const std::string&) { read.noLock = true; }},
};

const OptionRule* RuleFor(std::string_view name, Command command) {
    if (command == Command::Verify) return nullptr;
    for (const OptionRule& rule : kOptions) {
        if (rule.name == name && (command == Command::Split || !rule.splitOnly)) return &rule;
    }
    return nullptr;
}

}  // namespace

Arguments ReadArguments(const std::vector<std::string>& args, Command command) {
    Arguments read;
    bool options = true;
    for (std::size_t i = 1; i < args.size() && read.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (!options || arg.rfind("--", 0) != 0) {
            read.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options = false;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionRule* rule = RuleFor(name, command);
        if (rule == nullptr) {
            read.error = "未知选项: " + arg;
        } else if (equals != std::string::npos) {
            if (rule->valueHint.empty()) read.error = name + " 不接受值: " + arg;
            else rule->apply(read, arg.substr(equals + 1));
        } else if (rule->valueHint.empty()) {
            rule->apply(read, "");
        } else if (i + 1 < args.size()) {
            rule->apply(read, args[++i]);
        } else {
            read.error = name + " 后面缺少 " + std::string(rule->valueHint) + "。";
        }
    }
    return read;
}

}  // namespace tirnel::cli
