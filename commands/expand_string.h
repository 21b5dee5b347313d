// The one expansion of menu-file texts: environment variables, paths relative to the program
// folder and placeholders.
#pragma once

#include <string>
#include <string_view>

#include "platform/environment.h"

namespace kov {

class Expander {
public:
    Expander(platform::Environment& environment, std::string programFolder);

    // urlFlag: clipboard text that goes into a URL is URL-encoded.
    std::string sExpandString(std::string_view text, bool urlFlag);

private:
    std::string ExpandEnvironment(std::string_view text);
    std::string ResolveRelativePath(std::string text) const;

    platform::Environment& environment_;
    std::string programFolder_;
};

}  // namespace kov
