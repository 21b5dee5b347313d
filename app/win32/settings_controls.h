// The settings window's controls: the information frame and the translation editor, placed on
// the main window and driven by the run's settings events.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/main_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"

namespace kov::win32 {

class SettingsControls {
  public:
    // Creates the controls on the (still invisible) main window and sizes it to end just below
    // the translation frame.
    void Create(HWND window, HINSTANCE instance);
    void SetContent(const platform::SettingsTexts& texts, platform::SettingsEvents& events);
    void Show();
    // WM_COMMAND of the main window; true when it was one of these controls.
    bool OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_DPICHANGED: the window moves to the rectangle Windows suggests and is laid out again.
    void OnDpiChanged(WPARAM wParam, LPARAM lParam);
    // Empty until the controls exist.
    std::string TextBoxText() const;

  private:
    // Places the controls and gives them the message font, for a DPI.
    void Layout(int dpi);
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void AddTool(HWND control, const std::string& text);
    void SetToolText(HWND control, const std::string& text);
    void SyncList();
    void WhileDisabled(HWND button, const std::function<void()>& handler);

    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND infoFrame_ = nullptr;
    HWND info_ = nullptr;
    HWND translationFrame_ = nullptr;
    HWND list_ = nullptr;
    HWND textBox_ = nullptr;
    HWND save_ = nullptr;
    HWND createNew_ = nullptr;
    std::string listTip_;
    platform::SettingsEvents* events_ = nullptr;
    // Each control with its left, top, width and height in twips.
    std::vector<std::pair<HWND, RECT>> placed_;
    // Lives as long as the controls that use it.
    UniqueFont font_;
};

}  // namespace kov::win32
