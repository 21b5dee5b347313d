// The shell's icons of the entries of the popups that are open: asked for when a popup opens,
// kept for the run, and painted into the open popup as they arrive.
#pragma once

#include "platform/win32/windows_api.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "odmenu/win32/shell_icon_worker.h"
#include "platform/shell_icon_target.h"

namespace kov::win32 {

class ShellIcons {
  public:
    explicit ShellIcons(HWND window, ShellIconWorker::LookUp lookUp = nullptr)
        : worker_(window, lookUp) {}

    // The item at position of menu shows the target's icon once it is there; each target is
    // looked up once, from the time the popup is up and idle, before those of popups opened
    // earlier.
    void Show(HMENU menu, UINT position, const platform::ShellIconTarget& target, int side);
    // On WM_ENTERIDLE: the popup is on the screen, so the lookups no longer compete with it.
    void StartLookUps();
    // Null while the icon is on its way; empty pixels for a target the shell has none for.
    const IconPixels* Find(const ShellIconKey& key) const;
    // On kShellIconsArrived: keeps the new icons and repaints the open items that show them.
    void Arrived();

  private:
    ShellIconWorker worker_;
    std::map<ShellIconKey, IconPixels> icons_;
    std::vector<ShellIconRequest> toLookUp_;
    // The items waiting for each icon.
    std::map<ShellIconKey, std::set<std::pair<HMENU, UINT>>> waiting_;
};

}  // namespace kov::win32
