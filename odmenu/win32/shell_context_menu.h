// The shell's own context menu for a file or folder (Open, Run as administrator, Copy as path,
// Properties and what shell extensions add), shown over an open popup.
//
// Shell extensions are foreign code running in this process. What can be guarded is guarded:
// every call's result is checked, and a C++ exception of this program's own runtime is stopped
// at the call and taken as "nothing offered". A crash inside an extension (an access violation,
// an exception of another compiler's runtime) cannot be: this compiler has no structured
// exception handling, and resuming after it from a vectored handler would leave the extension's
// state and locks undefined. Windows' own context-menu hosts are exposed to the same.
#pragma once

#include "platform/win32/windows_api.h"

#include <shlobj.h>

#include <memory>
#include <string>

#include "platform/win32/com_apartment.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

class ShellContextMenu {
  public:
    // Null when the shell offers nothing for the path (it is gone, or its handler failed).
    static std::unique_ptr<ShellContextMenu> For(HWND owner, const std::string& path);
    ShellContextMenu(const ShellContextMenu&) = delete;
    ShellContextMenu& operator=(const ShellContextMenu&) = delete;
    ~ShellContextMenu();

    HMENU Menu() const { return menu_.get(); }
    // Shows the menu at the point, on top of the open popup, and carries out what is chosen:
    // true when something was.
    bool ShowAndRun(HWND owner, POINT at);
    // While a menu is shown, its owner's menu messages for it (submenus filled as they open,
    // items the shell draws itself) go to the shell, whose answer is the result; false while
    // none is shown.
    static bool MenuMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Before the program ends: until the windows the shell opened from a menu on threads of
    // its own (a Properties sheet) are closed.
    static void WaitForItsWindows();

  private:
    ShellContextMenu() = default;

    // Entered first, left last: the handler lives in it.
    ComApartment apartment_;
    ComPtr<IContextMenu> handler_;
    // Set where the handler draws or fills its own items.
    ComPtr<IContextMenu2> messages_;
    ComPtr<IContextMenu3> messages3_;
    UniqueMenu menu_{CreatePopupMenu()};
};

}  // namespace kov::win32
