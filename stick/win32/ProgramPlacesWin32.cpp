// Win32 places of the program, through the wide API so that any folder name works.
#include <windows.h>

#include "base/win32/WideText.h"
#include "stick/ProgramPlaces.h"

namespace morvane {

std::optional<std::string> executablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    if (length == 0)
        return std::nullopt;
    path.resize(length);
    return narrowToUtf8(path);
}

std::optional<std::string> userConfigDirectory()
{
    if (const auto appData = environmentVariable("APPDATA"))
        return *appData + "\\Morvane";
    return std::nullopt;
}

std::optional<std::string> environmentVariable(const char* name)
{
    const std::wstring wideName = widenUtf8(name);
    const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size <= 1)
        return std::nullopt;
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
    return narrowToUtf8(value);
}

}  // namespace morvane
