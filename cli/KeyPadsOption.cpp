// The option is taken out before the command is looked up, so that the commands and
// their own option parsing never see it.
#include "cli/KeyPadsOption.h"

#include <string_view>

namespace morvane::cli {

bool takeKeyPadsOption(std::vector<std::string>& args, std::optional<std::string>& file, std::string& error)
{
    constexpr std::string_view kName = "--key-pads";
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.starts_with(kName) && arg.size() > kName.size() && arg[kName.size()] == '=') {
            file = arg.substr(kName.size() + 1);
        } else if (arg == kName) {
            if (i + 1 == args.size()) {
                error = "option '--key-pads' needs a value";
                return false;
            }
            file = args[++i];
        } else {
            kept.push_back(arg);
        }
    }
    args = std::move(kept);
    return true;
}

}  // namespace morvane::cli
