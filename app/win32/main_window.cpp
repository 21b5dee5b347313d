#include "app/win32/main_window.h"

#include <string>

#include "odmenu/win32/menu_font_win32.h"
#include "platform/win32/win32_pictures.h"

namespace kov::win32 {

namespace {

constexpr char kClassName[] = "KOVMainWindow";

}  // namespace

Win32MainWindow::Win32MainWindow(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Win32MainWindow::WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    windowClass.hIcon = LoadIconA(instance, "KOVICON");
    RegisterClassExA(&windowClass);
    // A fixed single border; the settings window is not resizable.
    CreateWindowExA(0, kClassName, "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                    CW_USEDEFAULT, CW_USEDEFAULT, 320, 240, nullptr, nullptr, instance, this);
}

Win32MainWindow::~Win32MainWindow() {
    if (Exists()) DestroyWindow(hwnd_);
}

void Win32MainWindow::SetCaption(std::string_view caption) {
    SetWindowTextA(hwnd_, std::string(caption).c_str());
}

void Win32MainWindow::Close() {
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

platform::SystemMenuFontInfo Win32MainWindow::SystemMenuFont() {
    auto font = SystemMenuLogFont();
    return {std::move(font.faceName), font.weight, font.italic};
}

platform::DesignSkins Win32MainWindow::DesignSkinPictures() {
    return {ResourcePicture("SKINBACKGROUND"), ResourcePicture("SKINSELECTED")};
}

platform::CommandId Win32MainWindow::PopUpAtCursor(platform::MenuHandle menu) {
    POINT point{};
    GetCursorPos(&point);
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
    return static_cast<platform::CommandId>(TrackPopupMenuEx(
        reinterpret_cast<HMENU>(menu), TPM_RETURNCMD, point.x, point.y, hwnd_, nullptr));
}

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return self ? self->Handle(hwnd, message, wParam, lParam)
                : DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT Win32MainWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (!onClose_ || onClose_()) DestroyWindow(hwnd);
            return 0;
        case WM_CHAR:
            if (wParam == VK_ESCAPE) {
                Close();
                return 0;
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace kov::win32
