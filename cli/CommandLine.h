// Splitting one command's arguments into positionals and --options.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::cli {

struct OptionSpec {
    std::string_view name;  // with its leading "--"
    bool takesValue;
};

struct ParsedArgs {
    std::vector<std::string> positionals;
    std::map<std::string, std::string, std::less<>> options;  // flags map to ""

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
};

// Parses "--name", "--name VALUE" and "--name=VALUE" against `specs`. On a usage error
// gives none and sets `error` to a one-line explanation.
std::optional<ParsedArgs> parseArgs(std::span<const std::string> args, std::span<const OptionSpec> specs,
                                    std::string& error);

// Parses a command's arguments, which must hold exactly `positionals` arguments besides
// the options (one, STICK, unless told otherwise). On a usage error, among them a missing
// argument (`missing` says which) or one too many, it writes "COMMAND: <why>" through
// reportUsageError and gives none.
std::optional<ParsedArgs> parseCommandArgs(std::string_view command, std::span<const std::string> args,
                                           std::span<const OptionSpec> specs, std::ostream& err,
                                           std::size_t positionals = 1,
                                           std::string_view missing = "missing STICK");

// Writes "morvane-cli: <message> (try 'morvane-cli --help')" to `err`; answers 64.
int reportUsageError(std::ostream& err, std::string_view message);

}  // namespace morvane::cli
