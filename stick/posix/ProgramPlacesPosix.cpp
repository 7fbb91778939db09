// POSIX places of the program. The XDG rule: a relative XDG_CONFIG_HOME is ignored.
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "stick/ProgramPlaces.h"

namespace morvane {

std::optional<std::string> executablePath()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof path)
        return std::nullopt;
    return std::string(path, static_cast<std::size_t>(length));
}

std::optional<std::string> userConfigDirectory()
{
    if (const auto config = environmentVariable("XDG_CONFIG_HOME"); config && config->front() == '/')
        return *config + "/morvane";
    if (const auto home = environmentVariable("HOME"))
        return *home + "/.config/morvane";
    return std::nullopt;
}

std::optional<std::string> environmentVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

}  // namespace morvane
