#pragma once

#include "platform/win32/windows_api.h"

#include "platform/message_boxes.h"

namespace kov::win32 {

class Win32MessageBoxes : public platform::MessageBoxes {
  public:
    int MessageBox(std::string_view text, std::string_view title, unsigned flags) override;
    // Message boxes belong to the main window once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    HWND owner_ = nullptr;
};

}  // namespace kov::win32
