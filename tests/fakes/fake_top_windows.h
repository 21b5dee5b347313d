// A fixed list of top-level windows; records which were asked to close.
#pragma once

#include <vector>

#include "platform/top_windows.h"

namespace kov::fakes {

class FakeTopWindows : public platform::TopWindows {
  public:
    std::vector<platform::TopWindow> Enumerate() override { return windows; }
    bool PostClose(platform::WindowHandle window) override {
        closed.push_back(window);
        return true;
    }

    std::vector<platform::TopWindow> windows;
    std::vector<platform::WindowHandle> closed;
};

}  // namespace kov::fakes
