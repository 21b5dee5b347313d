#include "app/win32/settings_controls.h"

#include <commctrl.h>

#include <vector>

#include "app/win32/accessible_names.h"
#include "app/win32/layout.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_subclass.h"

namespace kov::win32 {

namespace {

// The common controls (the tool tips) are loaded when the settings window is made, not at the
// start: a run that only pops the menu up needs none of them.
void LoadCommonControls() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = SystemFunction<InitFn>(L"comctl32.dll", "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX common{sizeof common, ICC_WIN95_CLASSES};
    if (init != nullptr) init(&common);
}

constexpr int kListId = 101;
constexpr int kTextBoxId = 102;
constexpr int kSaveId = 103;
constexpr int kCreateNewId = 104;

HWND Child(HWND parent, HINSTANCE instance, const wchar_t* className, DWORD style, int id) {
    return CreateWindowExW(
        className == std::wstring_view(L"EDIT") || className == std::wstring_view(L"LISTBOX")
            ? WS_EX_CLIENTEDGE
            : 0,
        className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

std::string WindowText(HWND control) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    GetWindowTextW(control, buffer.data(), static_cast<int>(buffer.size()));
    return Narrow(buffer.data());
}

}  // namespace

void SettingsControls::Create(HWND window, HINSTANCE instance) {
    window_ = window;
    const CommonControlsScope controls;
    LoadCommonControls();
    // Positions are left, top, width, height in twips; the frames' children sit at the frame's
    // offset, as the main window is their parent.
    infoFrame_ = Child(window, instance, L"BUTTON", BS_GROUPBOX, 0);
    info_ = Child(window, instance, L"STATIC", SS_LEFT | SS_NOTIFY, 0);
    translationFrame_ = Child(window, instance, L"BUTTON", BS_GROUPBOX, 0);
    list_ = Child(window, instance, L"LISTBOX",
                  WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kListId);
    textBox_ = Child(window, instance, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, kTextBoxId);
    save_ = Child(window, instance, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kSaveId);
    createNew_ = Child(window, instance, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kCreateNewId);
    placed_ = {{infoFrame_, {0, 30, 4665, 885}},           {info_, {180, 30 + 270, 4335, 585}},
               {translationFrame_, {0, 930, 4665, 1965}},  {list_, {90, 930 + 270, 2385, 1620}},
               {textBox_, {2520, 930 + 270, 2085, 315}},   {save_, {3510, 930 + 720, 1125, 255}},
               {createNew_, {3510, 930 + 1050, 1125, 255}}};
    SetWindowLongPtrW(list_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    AddWindowProcedure(list_, &ListProc);

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                               nullptr, instance, nullptr);
    for (HWND control : {info_, list_, textBox_, save_, createNew_}) AddTool(control, "");

    const int dpi = WindowDpi(window);
    Layout(dpi);
    // The window ends just below the translation frame.
    const Twips twips(dpi);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    RECT frame{0, 0, twips(4680), twips(930 + 1965 + 60)};
    AdjustWindowRect(&frame, style, FALSE);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsControls::Layout(int dpi) {
    const Twips twips(dpi);
    std::vector<HWND> controls;
    for (const auto& [control, place] : placed_) {
        MoveWindow(control, twips(place.left), twips(place.top), twips(place.right),
                   twips(place.bottom), TRUE);
        controls.push_back(control);
    }
    SetMessageFont(font_, dpi, controls);
}

void SettingsControls::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    if (window_ == nullptr) return;
    MoveToSuggestedRect(window_, lParam);
    Layout(HIWORD(wParam));
}

// Version 5 of the common controls refuses the full structure of version 6; the fields used
// here are all in the older size, which both accept.
const UINT kToolInfoSize = TTTOOLINFOA_V2_SIZE;

void SettingsControls::AddTool(HWND control, const std::string& text) {
    TOOLINFOW tool{};
    tool.cbSize = kToolInfoSize;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    auto wide = Widen(text);
    tool.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SettingsControls::SetToolText(HWND control, const std::string& text) {
    TOOLINFOW tool{};
    tool.cbSize = kToolInfoSize;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    auto wide = Widen(text);
    tool.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SettingsControls::SetContent(const platform::SettingsTexts& texts,
                                  platform::SettingsEvents& events) {
    events_ = &events;
    SetWindowTextW(infoFrame_, Widen(texts.information).c_str());
    SetWindowTextW(info_, Widen(texts.infoText).c_str());
    SetToolText(info_, texts.infoText);
    SetWindowTextW(translationFrame_, Widen(texts.translation).c_str());
    // The frame's caption labels the list and the text box for screen readers, which would
    // otherwise announce them unnamed.
    for (HWND control : {list_, textBox_}) SetAccessibleName(control, texts.translation);
    SetWindowTextW(save_, Widen(texts.save).c_str());
    SetToolText(save_, texts.save);
    SetWindowTextW(createNew_, Widen(texts.createNew).c_str());
    SetToolText(createNew_, texts.createNew);
}

void SettingsControls::Show() {
    if (events_ != nullptr) SyncList();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
}

// Brings the list box and the enabled state in line with the editor's list.
void SettingsControls::SyncList() {
    const auto& entries = events_->TranslationEntries();
    const auto count = static_cast<std::size_t>(SendMessageW(list_, LB_GETCOUNT, 0, 0));
    const auto selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    if (count != entries.size()) {
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const auto& entry : entries) {
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
        }
    } else {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto index = static_cast<WPARAM>(i);
            std::vector<wchar_t> text(
                static_cast<std::size_t>(SendMessageW(list_, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
            SendMessageW(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
            if (entries[i] == Narrow(text.data())) continue;
            SendMessageW(list_, LB_DELETESTRING, index, 0);
            SendMessageW(list_, LB_INSERTSTRING, index,
                         reinterpret_cast<LPARAM>(Widen(entries[i]).c_str()));
        }
        SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    const BOOL enabled = events_->EditingEnabled() ? TRUE : FALSE;
    EnableWindow(list_, enabled);
    EnableWindow(textBox_, enabled);
    EnableWindow(save_, enabled);
}

std::string SettingsControls::TextBoxText() const {
    return textBox_ != nullptr ? WindowText(textBox_) : std::string();
}

// A button is disabled while its handler runs, so it cannot be pressed twice; disabling takes the
// keyboard focus away, which the button gets back afterwards.
void SettingsControls::WhileDisabled(HWND button, const std::function<void()>& handler) {
    EnableWindow(button, FALSE);
    handler();
    SyncList();
    EnableWindow(button, TRUE);
    SetFocus(button);
}

bool SettingsControls::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (events_ == nullptr || lParam == 0) return false;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == kListId && code == LBN_SELCHANGE) {
        const auto selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
        if (selected < 0) return true;
        const auto text =
            events_->lstTranslationStrings_Click(static_cast<std::size_t>(selected), TextBoxText());
        SyncList();
        SetWindowTextW(textBox_, Widen(text).c_str());
        return true;
    }
    if (id == kTextBoxId && code == EN_CHANGE) {
        SetToolText(textBox_, TextBoxText());
        return true;
    }
    if (id == kSaveId && code == BN_CLICKED) {
        WhileDisabled(save_, [&] { events_->cmdSave_Click(TextBoxText()); });
        return true;
    }
    if (id == kCreateNewId && code == BN_CLICKED) {
        WhileDisabled(createNew_, [&] { events_->cmdCreateNew_Click(); });
        return true;
    }
    return false;
}

LRESULT CALLBACK SettingsControls::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<SettingsControls*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // With no button pressed, the tip follows the entry under the mouse.
    if (message == WM_MOUSEMOVE && (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 &&
        self->events_ != nullptr) {
        const auto item = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lParam);
        auto tip = self->events_->ListToolTip(static_cast<long>(item));
        if (tip != self->listTip_) {
            self->listTip_ = std::move(tip);
            self->SetToolText(hwnd, self->listTip_);
        }
    }
    return CallNextWindowProcedure(&ListProc, hwnd, message, wParam, lParam);
}

}  // namespace kov::win32
