#pragma once

#include "platform/win32/windows_api.h"

#include "platform/clipboard.h"

namespace kov::win32 {

class Win32Clipboard : public platform::Clipboard {
  public:
    std::optional<std::string> GetText() override;
    std::optional<std::vector<std::string>> GetFiles() override;
    bool SetText(std::string_view text) override;
    // Text is read and set with the main window as the clipboard's owner once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    HWND owner_ = nullptr;
};

}  // namespace kov::win32
