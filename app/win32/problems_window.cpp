#include "app/win32/problems_window.h"

#include "app/win32/layout.h"
#include "app/win32/window_class.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_subclass.h"

namespace kov::win32 {

namespace {

constexpr wchar_t kClassName[] = L"KOVProblems";
constexpr int kEditId = 101;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
// In twips: the first size, the smallest, the margins and the buttons.
constexpr int kWidth = 9000, kHeight = 4500, kMinWidth = 4800, kMinHeight = 2400;
constexpr int kMargin = 120, kButtonWidth = 1700, kButtonHeight = 375;

// A multi-line text box keeps Tab, Enter and Escape for itself; read-only, it has no use for
// them, and the keyboard must reach the buttons.
LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto result = CallNextWindowProcedure(&TextBoxProc, hwnd, message, wParam, lParam);
    return message == WM_GETDLGCODE ? result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB) : result;
}

HWND MakeButton(HWND parent, HINSTANCE instance, int id, DWORD style) {
    return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
}

}  // namespace

void ProblemsWindow::Create() {
    const CommonControlsScope controls;
    RegisterWindowClass(instance_, kClassName, &ProblemsWindow::WindowProc,
                        LoadIconW(instance_, L"KOVICON"));
    hwnd_ = CreateWindowExW(0, kClassName, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr,
                            nullptr, instance_, this);
    if (hwnd_ == nullptr) return;
    text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                                ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                            0, 0, 0, 0, hwnd_, nullptr, instance_, nullptr);
    AddWindowProcedure(text_, &TextBoxProc);
    edit_ = MakeButton(hwnd_, instance_, kEditId, BS_PUSHBUTTON);
    close_ = MakeButton(hwnd_, instance_, IDCANCEL, BS_DEFPUSHBUTTON);
    // Sized for the DPI of the monitor it opens on, centred in that monitor's work area.
    SetDpi(WindowDpi(hwnd_));
    const Twips twips(dpi_);
    RECT frame{0, 0, twips(kWidth), twips(kHeight)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, (work.left + work.right - width) / 2,
                 (work.top + work.bottom - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProblemsWindow::SetDpi(int dpi) {
    dpi_ = dpi;
    const HWND controls[] = {text_, edit_, close_};
    SetMessageFont(font_, dpi, controls);
    Place();
}

// The buttons at the bottom right, the text box filling the rest.
void ProblemsWindow::Place() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const Twips twips(dpi_);
    const int margin = twips(kMargin), buttonWidth = twips(kButtonWidth);
    const int buttonHeight = twips(kButtonHeight);
    const int buttonTop = client.bottom - margin - buttonHeight;
    MoveWindow(text_, margin, margin, client.right - 2 * margin, buttonTop - 2 * margin, TRUE);
    MoveWindow(close_, client.right - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight,
               TRUE);
    MoveWindow(edit_, client.right - 2 * (margin + buttonWidth), buttonTop, buttonWidth,
               buttonHeight, TRUE);
}

void ProblemsWindow::Show(const platform::ProblemsTexts& texts, std::function<void()> onEdit,
                          std::function<void()> onClose) {
    if (hwnd_ == nullptr) Create();
    if (hwnd_ == nullptr) return;
    SetWindowTextW(hwnd_, Widen(texts.caption).c_str());
    SetWindowTextW(text_, Widen(texts.text).c_str());
    SetWindowTextW(edit_, Widen(texts.edit).c_str());
    SetWindowTextW(close_, Widen(texts.close).c_str());
    ShowWindow(edit_, onEdit ? SW_SHOW : SW_HIDE);
    onEdit_ = std::move(onEdit);
    onClose_ = std::move(onClose);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(text_);
}

void ProblemsWindow::Close() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void ProblemsWindow::Dismiss() {
    auto onClose = std::move(onClose_);
    Close();
    if (onClose) onClose();
}

LRESULT CALLBACK ProblemsWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WindowOwner<ProblemsWindow>(hwnd, message, lParam);
    if (self != nullptr) {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == IDCANCEL) {
                    self->Dismiss();
                    return 0;
                }
                if (LOWORD(wParam) == kEditId && self->onEdit_) {
                    self->onEdit_();
                    return 0;
                }
                break;
            case WM_CLOSE:
                self->Dismiss();
                return 0;
            case WM_SIZE:
                if (self->text_ != nullptr) self->Place();
                return 0;
            case WM_GETMINMAXINFO: {
                const Twips twips(self->dpi_);
                auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
                limits->ptMinTrackSize = {twips(kMinWidth), twips(kMinHeight)};
                return 0;
            }
            case WM_DPICHANGED:
                self->dpi_ = HIWORD(wParam);
                MoveToSuggestedRect(hwnd, lParam);
                self->SetDpi(HIWORD(wParam));
                return 0;
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
