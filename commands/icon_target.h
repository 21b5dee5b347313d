// Which file's shell icon an entry shows: the target of its first command, resolved as the
// dispatcher resolves it, or the path a folder entry stands for. Nothing for what has no file
// of its own to show (special commands, texts taken from the clipboard, device names).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "commands/expand_string.h"
#include "menufile/menu_settings.h"
#include "platform/folders.h"
#include "platform/shell_icon_target.h"

namespace kov {

// Only while "@ShellIcons" is on and "@NoIcons" off.
class IconTargets {
  public:
    IconTargets(const MenuSettings& settings, Expander& expander, platform::Folders& folders);

    // What the line's first command names, expanded as the dispatcher expands it, whatever the
    // settings say; a URL comes as it is written.
    struct CommandTarget {
        std::string path;
        bool url = false;
    };
    std::optional<CommandTarget> TargetOfLine(std::string_view line);
    // The icon of what a line or a folder entry names.
    std::optional<platform::ShellIconTarget> For(std::optional<CommandTarget> target);
    // A file or folder that a folder menu lists.
    std::optional<platform::ShellIconTarget> ForPath(std::string path);

  private:
    const MenuSettings& settings_;
    Expander& expander_;
    platform::Folders& folders_;
    // Drive letters do not change their kind during a run: asked once each.
    std::map<char, bool> remoteDrives_;
};

}  // namespace kov
