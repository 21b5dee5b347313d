// The four clipboard operations of commands and placeholders: text in and out, copied file names
// as one list, a file's content onto the clipboard.
#pragma once

#include <string>
#include <string_view>

#include "core/ui_strings.h"
#include "menufile/menu_settings.h"
#include "platform/platform.h"

namespace kov {

// The clipboard's text, empty when it holds none.
std::string ClipboardGetText(platform::Clipboard& clipboard);

// StringBefore + the copied file names joined with StringDelimiter + StringAfter; empty when the
// clipboard holds no file list.
std::string ClipboardGetFiles(platform::Clipboard& clipboard, const MenuSettings& settings);

class Expander;

// Writing to the clipboard, with the messages its failures show.
class ClipboardWriter {
  public:
    ClipboardWriter(platform::Platform& platform, const UIStrings& strings, Expander& expander);

    void ClipboardSetText(std::string_view text);
    // The file name is expanded first; a relative name is also looked for in the program folder.
    void ClipboardSetFileContents(std::string_view fileName);

  private:
    platform::Platform& platform_;
    const UIStrings& strings_;
    Expander& expander_;
};

}  // namespace kov
