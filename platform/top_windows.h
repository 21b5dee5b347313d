// Other programs' top-level windows, as closing windows by title needs them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kov::platform {

using WindowHandle = std::uintptr_t;

struct TopWindow {
    WindowHandle handle = 0;
    std::string title;   // at most 259 characters
    bool shell = false;  // the shell's desktop window: closing it asks to shut Windows down
    bool own = false;    // a window of this program
};

class TopWindows {
  public:
    virtual ~TopWindows() = default;
    // Every top-level window, hidden ones included, in the system's enumeration order.
    virtual std::vector<TopWindow> Enumerate() = 0;
    // Posts WM_CLOSE; does not wait.
    virtual bool PostClose(WindowHandle window) = 0;
};

}  // namespace kov::platform
