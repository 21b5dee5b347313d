#pragma once

#include <optional>
#include <string>

namespace kov::platform {

class Environment {
public:
    virtual ~Environment() = default;
    // %NAME% references replaced by the environment's values; undefined ones stay as written.
    // nullopt when the system call fails.
    virtual std::optional<std::string> ExpandEnvironmentStrings(const std::string& text) = 0;
};

}  // namespace kov::platform
