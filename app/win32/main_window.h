// The real main window: invisible while the popup is up, owner of the popup, and the window whose
// closing ends the program.
#pragma once

#include "platform/win32/windows_api.h"

#include <functional>

#include "app/win32/about_dialog.h"
#include "app/win32/problems_window.h"
#include "app/win32/settings_controls.h"
#include "platform/main_window.h"

namespace kov::win32 {

class Win32MainWindow : public platform::MainWindow {
  public:
    // The caption is the program file name, given at creation: setting it later costs a message.
    Win32MainWindow(HINSTANCE instance, std::string_view caption);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Runs when the window is asked to close; false keeps it open.
    void OnClose(std::function<bool()> handler) { onClose_ = std::move(handler); }
    // Runs when a popup menu is about to open, before it is shown.
    void OnInitMenuPopup(std::function<void(platform::MenuHandle)> handler) {
        onInitMenuPopup_ = std::move(handler);
    }

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }
    bool Hidden() const { return hidden_; }
    // The window still open after the popup is the settings window.
    void ShowAsSettingsWindow();
    // Keyboard navigation of the settings window and the About dialog; true when handled.
    bool PreTranslate(MSG& message);

    void Close() override;
    platform::SystemMenuFontInfo SystemMenuFont() override;
    platform::DesignSkins DesignSkinPictures() override;
    platform::CommandId PopUpAtCursor(platform::MenuHandle menu) override;
    platform::CommandId PopUpAgain(platform::MenuHandle menu) override;
    platform::ProgramVersion Version() override;
    void Hide() override;
    void ShowAbout(const platform::AboutTexts& texts) override;
    void CloseAbout() override;
    void ShowProblems(const platform::ProblemsTexts& texts, std::function<void()> onEdit) override;
    void SetSettingsContent(const platform::SettingsTexts& texts,
                            platform::SettingsEvents& events) override;
    std::string TranslationText() override { return settings_.TextBoxText(); }
    void HookSystemMenu(std::string_view aboutCaption) override;
    void UnhookSystemMenu() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND focusWhenInactive_ = nullptr;
    bool hidden_ = false;
    POINT poppedUpAt_{};
    std::function<bool()> onClose_;
    std::function<void(platform::MenuHandle)> onInitMenuPopup_;
    SettingsControls settings_;
    AboutDialog about_;
    ProblemsWindow problems_;
    platform::SettingsEvents* events_ = nullptr;
    platform::SettingsTexts settingsTexts_;
};

}  // namespace kov::win32
