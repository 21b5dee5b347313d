// What the menu file's settings and folder lines need of the one expansion of texts, which lives
// with the commands that own the clipboard and the clock.
#pragma once

#include <string>
#include <string_view>

namespace kov {

class TextExpander {
  public:
    virtual ~TextExpander() = default;
    // urlFlag: clipboard text that goes into a URL is URL-encoded.
    virtual std::string sExpandString(std::string_view text, bool urlFlag) = 0;
};

}  // namespace kov
