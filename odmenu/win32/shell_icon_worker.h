// The one thread that asks the shell for the entries' icons, so that a slow lookup (a first call
// into the shell, a server that does not answer) never holds up the popup. Results go back to
// the window thread by a posted message; nothing ever waits for the thread.
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

struct ShellIconResult {
    ShellIconKey key;
    IconPixels icon;  // empty when the shell has none for it
};

class ShellIconWorker {
  public:
    explicit ShellIconWorker(HWND window);
    // Lets the thread go: whatever it finds after this is destroyed by the thread itself.
    ~ShellIconWorker();
    ShellIconWorker(const ShellIconWorker&) = delete;
    ShellIconWorker& operator=(const ShellIconWorker&) = delete;

    // side: the icon's drawn side in pixels. The thread starts with the first request.
    void Request(const platform::ShellIconTarget& target, int side);
    std::vector<ShellIconResult> TakeResults();

  private:
    struct Shared;
    HWND window_;
    std::shared_ptr<Shared> shared_;
};

// The shell's icon of the target, at least side pixels wide where the shell has one that large;
// null when the target cannot be found. Blocks for as long as the shell takes.
UniqueIcon LookUpShellIcon(const platform::ShellIconTarget& target, int side);

}  // namespace kov::win32
