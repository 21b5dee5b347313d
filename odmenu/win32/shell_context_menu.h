// The shell's own context menu for a file or folder (Open, Run as administrator, Copy as path,
// Properties and what shell extensions add), shown over an open popup.
#pragma once

#include "platform/win32/windows_api.h"

#include <shlobj.h>

#include <optional>
#include <string>

#include "platform/win32/handles.h"

namespace kov::win32 {

class ShellContextMenu {
  public:
    // Empty when the shell offers nothing for the path (it is gone, or a handler failed).
    static std::optional<ShellContextMenu> For(HWND owner, const std::string& path);
    ShellContextMenu(ShellContextMenu&& other) noexcept;
    ShellContextMenu& operator=(ShellContextMenu&&) = delete;
    ~ShellContextMenu();

    HMENU Menu() const { return menu_.get(); }
    // Shows the menu at the point, on top of the open popup, and carries out what is chosen:
    // true when something was.
    bool ShowAndRun(HWND owner, POINT at);

  private:
    ShellContextMenu(IContextMenu* handler, UniqueMenu menu);
    IContextMenu* handler_;
    UniqueMenu menu_;
};

}  // namespace kov::win32
