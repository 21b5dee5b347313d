// The window in front when KOV starts, and the questions asked of it later.
#pragma once

#include "platform/win32/wait_budget.h"
#include "platform/window_in_front.h"

namespace kov::win32 {

// Costs no message to the window: a hung one is noted as quickly as any.
platform::WindowInFront NoteWindowInFront();

class Win32PlaceInFront : public platform::PlaceInFront {
  public:
    std::optional<platform::ExplorerView> ExplorerWindow(platform::WindowHandle window) override;
    std::optional<std::string> DialogFolder(platform::WindowHandle window) override;
    bool IsFolder(const std::string& path) override;
    bool TakeDialogTo(platform::WindowHandle window, const std::string& folder) override;
    bool TakeExplorerTo(platform::WindowHandle window, const std::string& folder) override;

  private:
    WaitBudget budget_{std::chrono::milliseconds(200)};
};

}  // namespace kov::win32
