// The common controls of version 6 (drawn in the current style, with tool tips) for the windows
// made while a scope lives. The program's manifest leaves them out: Windows looks up a manifest's
// dependencies at every start, and most runs only pop the menu up.
#pragma once

#include "platform/win32/windows_api.h"

namespace kov::win32 {

class CommonControlsScope {
  public:
    CommonControlsScope();
    ~CommonControlsScope();
    CommonControlsScope(const CommonControlsScope&) = delete;
    CommonControlsScope& operator=(const CommonControlsScope&) = delete;

  private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace kov::win32
