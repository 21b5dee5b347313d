// The problems window: the menu file's problems in a read-only text box the user can select and
// copy from, with "Edit the menu" and "Close". Resizable; laid out for its monitor's DPI.
#pragma once

#include <functional>

#include "platform/main_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

class ProblemsWindow {
  public:
    explicit ProblemsWindow(HINSTANCE instance) : instance_(instance) {}
    ~ProblemsWindow() { Close(); }
    ProblemsWindow(const ProblemsWindow&) = delete;
    ProblemsWindow& operator=(const ProblemsWindow&) = delete;

    // onEdit runs for the Edit button, which shows only with one; onClose runs once the window
    // is closed.
    void Show(const platform::ProblemsTexts& texts, std::function<void()> onEdit,
              std::function<void()> onClose);
    void Close();
    HWND Handle() const { return hwnd_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    // Gives the controls the message font of a DPI and places them in the client area.
    void SetDpi(int dpi);
    void Place();
    void Dismiss();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND text_ = nullptr;
    HWND edit_ = nullptr;
    HWND close_ = nullptr;
    int dpi_ = 96;
    UniqueFont font_;  // lives as long as the controls that use it
    std::function<void()> onEdit_;
    std::function<void()> onClose_;
};

}  // namespace kov::win32
