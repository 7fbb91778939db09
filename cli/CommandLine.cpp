// The option syntax shared by every morvane-cli command.
#include "cli/CommandLine.h"

#include <algorithm>

#include "cli/ExitStatus.h"

namespace morvane::cli {
namespace {

const OptionSpec* findSpec(std::span<const OptionSpec> specs, std::string_view name)
{
    auto it =
        std::find_if(specs.begin(), specs.end(), [&](const OptionSpec& spec) { return spec.name == name; });
    return it == specs.end() ? nullptr : &*it;
}

// The value of the option at args[at]: after its '=' ("--name=VALUE", `equals` its place),
// or the next argument ("--name VALUE", `at` then moved onto it). None when it is missing
// or empty: an empty --out would name the current folder, which by then is the stick.
std::optional<std::string> optionValue(std::span<const std::string> args, std::size_t& at, std::size_t equals)
{
    std::string value;
    if (equals != std::string::npos)
        value = args[at].substr(equals + 1);
    else if (at + 1 < args.size())
        value = args[++at];
    if (value.empty())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<ParsedArgs> parseArgs(std::span<const std::string> args, std::span<const OptionSpec> specs,
                                    std::string& error)
{
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            parsed.positionals.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionSpec* spec = findSpec(specs, name);
        if (spec == nullptr) {
            error = "unknown option '" + name + "'";
            return std::nullopt;
        }
        if (!spec->takesValue) {
            if (equals != std::string::npos) {
                error = "option '" + name + "' takes no value";
                return std::nullopt;
            }
            parsed.options[name] = "";
            continue;
        }
        std::optional<std::string> value = optionValue(args, i, equals);
        if (!value) {
            error = "option '" + name + "' needs a value";
            return std::nullopt;
        }
        parsed.options[name] = std::move(*value);
    }
    return parsed;
}

std::optional<ParsedArgs> parseCommandArgs(std::string_view command, std::span<const std::string> args,
                                           std::span<const OptionSpec> specs, std::ostream& err,
                                           std::size_t positionals, std::string_view missing)
{
    std::string error;
    std::optional<ParsedArgs> parsed = parseArgs(args, specs, error);
    if (parsed && parsed->positionals.size() < positionals)
        error = missing;
    else if (parsed && parsed->positionals.size() > positionals)
        error = "too many arguments";
    if (!error.empty()) {
        reportUsageError(err, std::string(command) + ": " + error);
        return std::nullopt;
    }
    return parsed;
}

int reportUsageError(std::ostream& err, std::string_view message)
{
    err << "morvane-cli: " << message << " (try 'morvane-cli --help')\n";
    return kExitUsage;
}

}  // namespace morvane::cli
