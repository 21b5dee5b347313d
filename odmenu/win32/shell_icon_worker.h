// The few threads that ask the shell for the entries' icons, so that a slow lookup (a first call
// into the shell, a server that does not answer) never holds up the popup. The open popup's
// targets go before those still waiting; each target and size is asked once; a lookup that has
// not answered after two seconds is given up (its entry stays without icon) and its thread
// replaced, so that it holds back no other. Results go back to the window thread by a posted
// message; nothing ever waits for the threads.
#pragma once

#include "platform/win32/windows_api.h"

#include <memory>
#include <string>
#include <vector>

#include "odmenu/win32/icon_pixels.h"
#include "platform/shell_icon_target.h"
#include "platform/win32/handles.h"

namespace kov::win32 {

// Posted to the window when results are waiting; a later one follows only after they are taken.
inline constexpr UINT kShellIconsArrived = WM_APP + 19;

// An icon is looked up and kept once for each target and drawn size.
struct ShellIconKey {
    std::string path;
    int side = 0;
    auto operator<=>(const ShellIconKey&) const = default;
};

struct ShellIconRequest {
    platform::ShellIconTarget target;
    int side = 0;  // the icon's drawn side in pixels
};

struct ShellIconResult {
    ShellIconKey key;
    IconPixels icon;  // empty when the shell has none for it, or did not answer in time
};

class ShellIconWorker {
  public:
    // Blocks for as long as the shell takes.
    using LookUp = IconPixels (*)(const platform::ShellIconTarget& target, int side);
    static constexpr unsigned kGiveUpAfterMs = 2000;

    explicit ShellIconWorker(HWND window, LookUp lookUp = nullptr);
    // Lets the threads go: whatever they find after this is dropped by the threads themselves.
    ~ShellIconWorker();
    ShellIconWorker(const ShellIconWorker&) = delete;
    ShellIconWorker& operator=(const ShellIconWorker&) = delete;

    // Asked before everything still waiting, in this order; a target already asked for moves to
    // the front if it is still waiting. The threads start with the first request.
    void Request(const std::vector<ShellIconRequest>& requests);
    std::vector<ShellIconResult> TakeResults();

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

// The shell's icon of the target, at least side pixels wide where the shell has one that large;
// null when the target cannot be found. Blocks for as long as the shell takes.
UniqueIcon LookUpShellIcon(const platform::ShellIconTarget& target, int side);

}  // namespace kov::win32
