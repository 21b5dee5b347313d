#include "app/win32/main_window.h"

#include <string>
#include <utility>
#include <vector>

#include "app/win32/system_menu.h"
#include "app/win32/window_class.h"
#include "app/win32/window_theme.h"

#include "odmenu/dpi_scale.h"
#include "odmenu/win32/menu_font_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KOVMainWindow";

// In the caption and on the taskbar. Loaded only for the settings window: the popup has no use
// for them, and loading them is a good part of the time before the window is made.
void SetProgramIcons(HWND window, HINSTANCE instance) {
    for (const auto& [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        const int side = GetSystemMetrics(metric);
        const HANDLE icon = LoadImageW(instance, L"KOVICON", IMAGE_ICON, side, side, LR_SHARED);
        SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
}

}  // namespace

Win32MainWindow::Win32MainWindow(HINSTANCE instance, std::string_view caption)
    : instance_(instance), about_(instance), problems_(instance) {
    RegisterWindowClass(instance, kClassName, &Win32MainWindow::WindowProc);
    // A fixed single border; the settings window is not resizable.
    CreateWindowExW(0, kClassName, Widen(caption).c_str(),
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                    CW_USEDEFAULT, 320, 240, nullptr, nullptr, instance, this);
}

Win32MainWindow::~Win32MainWindow() {
    if (Exists()) DestroyWindow(hwnd_);
}

void Win32MainWindow::Close() {
    SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

platform::SystemMenuFontInfo Win32MainWindow::SystemMenuFont() {
    auto font = SystemMenuLogFont(kDesignDpi);  // only face, weight and slant are used
    return {std::move(font.faceName), font.weight, font.italic};
}

platform::DesignSkins Win32MainWindow::DesignSkinPictures() {
    return {ResourcePicture("SKINBACKGROUND"), ResourcePicture("SKINSELECTED")};
}

platform::CommandId Win32MainWindow::PopUpAtCursor(platform::MenuHandle menu) {
    GetCursorPos(&poppedUpAt_);
    return PopUpAgain(menu);
}

platform::CommandId Win32MainWindow::PopUpAgain(platform::MenuHandle menu) {
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
    return static_cast<platform::CommandId>(TrackPopupMenuEx(reinterpret_cast<HMENU>(menu),
                                                             TPM_RETURNCMD, poppedUpAt_.x,
                                                             poppedUpAt_.y, hwnd_, nullptr));
}

platform::ProgramVersion Win32MainWindow::Version() {
    const auto path = ProgramFilePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        info == nullptr) {
        return {};
    }
    return {static_cast<int>(HIWORD(info->dwFileVersionMS)),
            static_cast<int>(LOWORD(info->dwFileVersionMS)),
            static_cast<int>(HIWORD(info->dwFileVersionLS))};
}

void Win32MainWindow::Hide() {
    hidden_ = true;
    ShowWindow(hwnd_, SW_HIDE);
}

void Win32MainWindow::ShowAbout(const platform::AboutTexts& texts) {
    about_.Show(texts, [this] { Close(); });
}

void Win32MainWindow::CloseAbout() {
    about_.Close();
}

void Win32MainWindow::ShowProblems(const platform::ProblemsTexts& texts,
                                   std::function<void()> onEdit) {
    problems_.Show(texts, std::move(onEdit), [this] { Close(); });
}

void Win32MainWindow::SetSettingsContent(const platform::SettingsTexts& texts,
                                         platform::SettingsEvents& events) {
    events_ = &events;
    settingsTexts_ = texts;
}

void Win32MainWindow::HookSystemMenu(std::string_view aboutCaption) {
    if (events_ != nullptr) win32::HookSystemMenu(hwnd_, aboutCaption, *events_);
}

void Win32MainWindow::UnhookSystemMenu() {
    win32::UnhookSystemMenu(hwnd_);
}

bool Win32MainWindow::PreTranslate(MSG& message) {
    if (about_.Handle() != nullptr && IsDialogMessageW(about_.Handle(), &message)) return true;
    if (problems_.Handle() != nullptr && IsDialogMessageW(problems_.Handle(), &message)) {
        return true;
    }
    return Exists() && IsWindowVisible(hwnd_) && IsDialogMessageW(hwnd_, &message);
}

// The controls are made only when the settings window is wanted: the popup comes first.
void Win32MainWindow::ShowAsSettingsWindow() {
    if (events_ == nullptr) return;
    SetProgramIcons(hwnd_, instance_);
    settings_.Create(hwnd_, instance_);
    FollowAppTheme(hwnd_);
    settings_.SetContent(settingsTexts_, *events_);
    settings_.Show();
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(hwnd, message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Win32MainWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (!onClose_ || onClose_()) DestroyWindow(hwnd);
            return 0;
        case WM_ACTIVATE:
            // A plain window gives the focus to itself when it is activated again, after the
            // exit question for one; the control that had it gets it back, as in a dialog.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusWhenInactive_ = GetFocus();
            } else if (HIWORD(wParam) == 0 && IsChild(hwnd, focusWhenInactive_)) {
                SetFocus(focusWhenInactive_);
                return 0;
            }
            break;
        case WM_INITMENUPOPUP:
            if (onInitMenuPopup_) onInitMenuPopup_(static_cast<platform::MenuHandle>(wParam));
            return 0;
        case WM_CHAR:
            if (wParam == VK_ESCAPE) {
                Close();
                return 0;
            }
            break;
        case WM_COMMAND:
            // Escape in the settings window arrives as IDCANCEL through the dialog navigation.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                Close();
                return 0;
            }
            if (settings_.OnCommand(wParam, lParam)) return 0;
            break;
        case WM_DPICHANGED:
            settings_.OnDpiChanged(wParam, lParam);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace kov::win32
