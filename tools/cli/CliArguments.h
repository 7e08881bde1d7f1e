#pragma once
// The options and positional arguments of one tirnel-cli command.

#include <optional>
#include <string>
#include <vector>

namespace tirnel::cli {

// Which options a command takes: split all of them, merge those of a run that writes,
// verify none.
enum class Command { Split, Merge, Verify };

struct Arguments {
    std::vector<std::string> positional;
    std::optional<bool> unit;  // --unit: true for MB
    bool noChecksum = false;   // --no-checksum
    bool replace = false;      // --replace
    bool noLock = false;       // --no-lock
    std::string error;         // a usage error; the rest is then incomplete
};

// args[0] is the command's name. Options may stand anywhere; "--" ends them. An option that
// takes a value finds it in the next argument or after "=" (--unit MB, --unit=MB); an option
// that takes none given one (--replace=x) is a usage error, and so is an option the command
// does not take.
Arguments ReadArguments(const std::vector<std::string>& args, Command command);

}  // namespace tirnel::cli
