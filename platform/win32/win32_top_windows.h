#pragma once

#include "platform/top_windows.h"

namespace kov::win32 {

class Win32TopWindows : public platform::TopWindows {
  public:
    std::vector<platform::TopWindow> Enumerate() override;
    bool PostClose(platform::WindowHandle window) override;
};

}  // namespace kov::win32
