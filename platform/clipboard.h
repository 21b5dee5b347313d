// The system clipboard in the two formats commands use: text (CF_TEXT) and copied files (CF_HDROP).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kov::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The text up to its first NUL; nullopt when the clipboard holds no text.
    virtual std::optional<std::string> GetText() = 0;
    // The full names of the copied files; nullopt when the clipboard offers no file list.
    virtual std::optional<std::vector<std::string>> GetFiles() = 0;
    // Replaces the clipboard's content by the text (up to its first NUL); false when the
    // clipboard refused it, in which case the clipboard is left empty.
    virtual bool SetText(std::string_view text) = 0;
};

}  // namespace kov::platform
