#pragma once

#include "platform/win32/windows_api.h"

#include <optional>

#include "platform/shell.h"
#include "platform/win32/com_apartment.h"

namespace kov::win32 {

// The shell may hand its work to extensions, which need COM on the calling thread: it is
// initialised before the first shell call and uninitialised when the shell object ends.
class Win32Shell : public platform::Shell {
  public:
    Win32Shell() = default;
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    std::intptr_t ShellExecute(const platform::ShellRequest& request) override;
    std::uint32_t StartProcess(const std::string& commandLine, int show) override;
    std::optional<std::string> FindExecutable(const std::string& file) override;
    void Sleep(unsigned milliseconds) override;
    // Programs are started with the main window as their owner once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

  private:
    void EnterComApartment();

    HWND owner_ = nullptr;
    // Entered at the first launch, not at start.
    std::optional<ComApartment> com_;
};

}  // namespace kov::win32
