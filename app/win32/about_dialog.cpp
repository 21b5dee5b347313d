#include "app/win32/about_dialog.h"

#include <string>

#include "app/win32/layout.h"
#include "app/win32/window_class.h"
#include "app/win32/window_theme.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/wide_text.h"

namespace kov::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KOVAbout";
constexpr int kOkId = IDOK;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

}  // namespace

void AboutDialog::Create() {
    const CommonControlsScope controls;
    RegisterWindowClass(instance_, kClassName, &AboutDialog::WindowProc);
    hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, L"", kStyle, 0, 0, 0, 0, nullptr,
                            nullptr, instance_, this);
    if (hwnd_ == nullptr) return;
    FollowAppTheme(hwnd_);
    icon_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, 32, 32, hwnd_,
                            nullptr, instance_, nullptr);
    HICON programIcon = LoadIconW(instance_, L"KOVICON");
    SendMessageW(
        icon_, STM_SETICON,
        reinterpret_cast<WPARAM>(programIcon ? programIcon : LoadIcon(nullptr, IDI_APPLICATION)),
        0);
    text_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, hwnd_,
                            nullptr, instance_, nullptr);
    ok_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkId)),
                          instance_, nullptr);
    // Centred in the work area of the monitor it opens on, at that monitor's DPI.
    Layout(WindowDpi(hwnd_));
    RECT window{};
    GetWindowRect(hwnd_, &window);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(hwnd_, nullptr, (work.left + work.right - (window.right - window.left)) / 2,
                 (work.top + work.bottom - (window.bottom - window.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutDialog::Layout(int dpi) {
    const Twips twips(dpi);
    RECT frame{0, 0, twips(4095), twips(840)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(icon_, nullptr, twips(120), twips(120), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    MoveWindow(text_, twips(840), twips(90), twips(2220), twips(690), TRUE);
    MoveWindow(ok_, twips(3120), twips(120), twips(855), twips(345), TRUE);
    const HWND controls[] = {text_, ok_};
    SetMessageFont(font_, dpi, controls);
}

void AboutDialog::Show(const platform::AboutTexts& texts, std::function<void()> onExit) {
    if (hwnd_ == nullptr) Create();
    if (hwnd_ == nullptr) return;
    SetWindowTextW(hwnd_, Widen(texts.caption).c_str());
    SetWindowTextW(ok_, Widen(texts.ok).c_str());
    SetWindowTextW(text_, Widen(texts.lines).c_str());
    exitProgram_ = texts.exitProgram;
    onExit_ = std::move(onExit);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(ok_);
}

void AboutDialog::Close() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

// OK, Enter, Escape and the close box all dismiss the dialog; opened from the popup, that ends
// the program, since nothing else of it is visible.
void AboutDialog::Dismiss() {
    const bool exitProgram = exitProgram_;
    auto onExit = std::move(onExit_);
    Close();
    if (exitProgram && onExit) onExit();
}

LRESULT CALLBACK AboutDialog::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowOwner<AboutDialog>(hwnd, message, lParam);
    if (self != nullptr) {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                    self->Dismiss();
                    return 0;
                }
                break;
            case WM_CLOSE:
                self->Dismiss();
                return 0;
            case WM_DPICHANGED: {
                const auto* suggested = reinterpret_cast<const RECT*>(lParam);
                SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                self->Layout(HIWORD(wParam));
                return 0;
            }
            case WM_NCDESTROY:
                self->hwnd_ = nullptr;
                break;
            default:
                break;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace kov::win32
