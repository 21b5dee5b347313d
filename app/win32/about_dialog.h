// The About dialog: the program icon, the product, version and credit lines, and an OK button.
#pragma once

#include <functional>

#include "platform/main_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

class AboutDialog {
  public:
    explicit AboutDialog(HINSTANCE instance) : instance_(instance) {}
    ~AboutDialog() { Close(); }
    AboutDialog(const AboutDialog&) = delete;
    AboutDialog& operator=(const AboutDialog&) = delete;

    // Shows the dialog modeless, or refreshes it when it is open. onExit runs when the dialog
    // was opened to end the program and is dismissed.
    void Show(const platform::AboutTexts& texts, std::function<void()> onExit);
    void Close();
    HWND Handle() const { return hwnd_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Create();
    // Sizes the dialog, places its controls and gives them the message font, for a DPI.
    void Layout(int dpi);
    void Dismiss();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND text_ = nullptr;
    HWND ok_ = nullptr;
    HWND icon_ = nullptr;
    UniqueFont font_;  // lives as long as the controls that use it
    bool exitProgram_ = false;
    std::function<void()> onExit_;
};

}  // namespace kov::win32
