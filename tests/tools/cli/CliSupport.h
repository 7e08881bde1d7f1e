#pragma once
// Runs tirnel-cli as a script would and keeps what it said.

#include "tests/pieceset/RunTestSupport.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace tirnel::test {

struct Result {
    int status;
    std::string out, err;
};

inline std::string Quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs tirnel-cli, in `cwd` when one is given; `prefix` goes before it (an `env`, a `timeout`).
inline Result Cli(const std::vector<std::string>& args, const std::string& cwd = "", const std::string& prefix = "") {
    static TempFolder logs;
    std::string command = cwd.empty() ? "" : "cd " + Quote(cwd) + " && ";
    command += prefix + Quote(std::string(TIRNEL_BIN_DIR) + "/tirnel-cli");
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote((logs / "out").string()) + " 2>" + Quote((logs / "err").string()) + " </dev/null";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(logs / "out"), ReadFile(logs / "err")};
}

}  // namespace tirnel::test
