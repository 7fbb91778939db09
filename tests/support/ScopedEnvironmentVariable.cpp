// On Windows through the wide API, which the program reads the environment with.
#include "tests/support/ScopedEnvironmentVariable.h"

#include "stick/ProgramPlaces.h"

#ifdef _WIN32
#include <windows.h>

#include "base/win32/WideText.h"
#else
#include <cstdlib>
#endif

namespace morvane::test {
namespace {

void setVariable(const std::string& name, const std::optional<std::string>& value)
{
#ifdef _WIN32
    SetEnvironmentVariableW(widenUtf8(name).c_str(), value ? widenUtf8(*value).c_str() : nullptr);
#else
    if (value)
        setenv(name.c_str(), value->c_str(), 1);
    else
        unsetenv(name.c_str());
#endif
}

}  // namespace

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::string name, const std::string& value)
    : name_(std::move(name)), saved_(environmentVariable(name_.c_str()))
{
    setVariable(name_, value);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() { setVariable(name_, saved_); }

}  // namespace morvane::test
