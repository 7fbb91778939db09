// Where the running program finds its own files: its executable, the user's
// configuration folder, and the environment. Paths are UTF-8.
#pragma once

#include <optional>
#include <string>

namespace morvane {

// The running executable's full path (on Linux from /proc/self/exe); none when the
// system does not tell.
std::optional<std::string> executablePath();

// Morvane's folder among the user's configuration: %APPDATA%\Morvane on Windows,
// $XDG_CONFIG_HOME/morvane or else ~/.config/morvane elsewhere; none when the
// environment names no such place.
std::optional<std::string> userConfigDirectory();

// The value of the environment variable `name`; none when it is not set or empty.
std::optional<std::string> environmentVariable(const char* name);

}  // namespace morvane
