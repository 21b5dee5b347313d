#pragma once

#include "platform/win32/windows_api.h"

#include "platform/shell.h"

namespace kov::win32 {

class Win32Shell : public platform::Shell {
  public:
    std::intptr_t ShellExecute(const platform::ShellRequest& request) override;
    std::uint32_t StartProcess(const std::string& commandLine, int show) override;
    std::optional<std::string> FindExecutable(const std::string& file) override;
    void Sleep(unsigned milliseconds) override;
    // Programs are started with the main window as their owner once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    HWND owner_ = nullptr;
};

}  // namespace kov::win32
