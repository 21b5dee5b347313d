// The one expansion of menu-file texts: environment variables, paths relative to the program
// folder, the clipboard placeholders "¦s" and "¦f", the date placeholder, and "¦w" and "¦e" for
// the folder and the selection of the window in front.
#pragma once

#include <string>
#include <string_view>

#include "commands/where_user_is.h"
#include "menufile/menu_settings.h"
#include "menufile/text_expander.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/environment.h"

namespace kov {

class Expander : public TextExpander {
  public:
    // settings supply the texts around the clipboard's file list; they are read at each call.
    // Without where, "¦w" and "¦e" stay as written.
    Expander(platform::Environment& environment, std::string programFolder,
             platform::Clipboard& clipboard, platform::Clock& clock, const MenuSettings& settings,
             WhereTheUserIs* where = nullptr);

    // urlFlag: clipboard text that goes into a URL is URL-encoded. An "¦s" with an empty
    // clipboard empties the whole result.
    std::string sExpandString(std::string_view text, bool urlFlag) override;
    // Everything but "¦s", which stays for a caller that uses the clipboard text its own way.
    std::string ExpandAllButClipboardText(std::string_view text);

    platform::Clock& clock() { return clock_; }

  private:
    std::string Expand(std::string_view text, bool urlFlag, bool clipboardText);
    std::string ExpandEnvironment(std::string_view text);
    std::string ResolveRelativePath(std::string text) const;

    platform::Environment& environment_;
    std::string programFolder_;
    platform::Clipboard& clipboard_;
    platform::Clock& clock_;
    const MenuSettings& settings_;
    WhereTheUserIs* where_;
};

}  // namespace kov
