// Sets an environment variable of this process for a test, and puts back what it held.
#pragma once

#include <optional>
#include <string>

namespace morvane::test {

class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::string name, const std::string& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace morvane::test
