// The moment KOV was called in: the window that was in front, noted once at start before anything
// of KOV's shows, and what can be asked of that window later, only when a chosen entry needs it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/top_windows.h"

namespace kov::platform {

// Handle 0 over the desktop, and for a window whose program cannot be asked (another user's, an
// elevated one), which is treated as no window.
struct WindowInFront {
    WindowHandle handle = 0;
    std::string program;    // its program's file name without folder: "notepad.exe"
    std::string className;  // "CabinetWClass", "#32770"
};

// What an Explorer window shows.
struct ExplorerView {
    std::string folder;
    std::vector<std::string> selection;
};

// Each question may cost a call into another program, which may hang: all of them together never
// wait longer than 200 ms in a run, and a question not answered in time has no answer.
class PlaceInFront {
  public:
    virtual ~PlaceInFront() = default;
    // Through the shell's list of its windows; nullopt when the list does not hold the window.
    virtual std::optional<ExplorerView> ExplorerWindow(WindowHandle window) = 0;
    // The folder a file dialog shows; nullopt when the window is none.
    virtual std::optional<std::string> DialogFolder(WindowHandle window) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Takes the window to the folder, a file dialog keeping the file name typed in it; false when
    // it did not go there.
    virtual bool TakeDialogTo(WindowHandle window, const std::string& folder) = 0;
    virtual bool TakeExplorerTo(WindowHandle window, const std::string& folder) = 0;
};

}  // namespace kov::platform
