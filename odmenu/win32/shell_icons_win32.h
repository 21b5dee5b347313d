// The shell's icons of the entries of the popups that are open: asked for when a popup opens,
// kept for the run, and painted into the open popup as they arrive.
#pragma once

#include "platform/win32/windows_api.h"

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "odmenu/win32/shell_icon_worker.h"
#include "platform/shell_icon_target.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

class ShellIcons {
  public:
    explicit ShellIcons(HWND window) : worker_(window) {}

    // The item at position of menu shows the target's icon once it is there; each target is
    // looked up once.
    void Show(HMENU menu, UINT position, const platform::ShellIconTarget& target, int side);
    // Null while the icon is on its way, and for a target the shell has none for.
    HICON Find(const std::string& path) const;
    // On kShellIconsArrived: keeps the new icons and repaints the open items that show them.
    void Arrived();

  private:
    ShellIconWorker worker_;
    std::unordered_map<std::string, UniqueIcon> icons_;
    std::unordered_set<std::string> requested_;
    // The items waiting for each target's icon.
    std::unordered_multimap<std::string, std::pair<HMENU, UINT>> waiting_;
};

}  // namespace kov::win32
