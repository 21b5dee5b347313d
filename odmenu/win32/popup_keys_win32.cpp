#include "odmenu/win32/popup_keys_win32.h"

#include <vector>

namespace kov::win32 {

namespace {

// One popup loop runs at a time on the window's thread, so one instance receives its messages.
PopupKeys* current = nullptr;

bool Held(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

std::optional<std::size_t> SelectedPosition(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) {
            return static_cast<std::size_t>(position);
        }
    }
    return std::nullopt;
}

bool Selectable(const MENUITEMINFOW& info, const MenuItemRecord* record) {
    if (record == nullptr || (info.fState & (MFS_GRAYED | MFS_DISABLED)) != 0) return false;
    const auto kind = record->item.kind;
    return kind == ItemKind::Item || kind == ItemKind::Submenu || kind == ItemKind::ProgramPicture;
}

}  // namespace

PopupKeys::PopupKeys(const ItemRecords& records) : records_(records) {
    current = this;
    filter_ = SetWindowsHookExW(WH_MSGFILTER, &PopupKeys::MenuMessageFilter, nullptr,
                                GetCurrentThreadId());
}

PopupKeys::~PopupKeys() {
    if (filter_ != nullptr) UnhookWindowsHookEx(filter_);
    if (current == this) current = nullptr;
}

LRESULT PopupKeys::AnswerMenuChar(HWND owner, HMENU menu, char32_t typed) {
    if (menu != typedIn_) typed_ = {};
    typedIn_ = menu;
    const int count = GetMenuItemCount(menu);
    std::vector<PopupEntry> entries;
    std::optional<std::size_t> selected;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_DATA;
        GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
        const MenuItemRecord* record = records_.Find(info.dwItemData);
        entries.push_back(
            {record != nullptr ? record->item.caption : std::string(), Selectable(info, record)});
        if (info.fState & MFS_HILITE) selected = static_cast<std::size_t>(position);
    }
    // A character beyond the first plane comes as two halves; the first waits for the second.
    if (typed >= 0xD800 && typed <= 0xDBFF) {
        highSurrogate_ = typed;
        return selected ? MAKELRESULT(*selected, MNC_SELECT) : MAKELRESULT(0, MNC_IGNORE);
    }
    if (typed >= 0xDC00 && typed <= 0xDFFF && highSurrogate_ != 0) {
        typed = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (typed - 0xDC00);
    }
    highSurrogate_ = 0;
    const auto answer = AnswerPopupKey(typed_, entries, selected, typed, GetTickCount64());
    const auto position = static_cast<WORD>(answer.position);
    switch (answer.action) {
        case PopupKeyAnswer::Action::Select:
            PostMessageW(owner, kTypeAheadSelected, position, reinterpret_cast<LPARAM>(menu));
            return MAKELRESULT(position, MNC_SELECT);
        case PopupKeyAnswer::Action::Execute:
            return MAKELRESULT(position, MNC_EXECUTE);
        case PopupKeyAnswer::Action::Refuse:
            break;
    }
    return MAKELRESULT(0, MNC_IGNORE);
}

void PopupKeys::EnsureSelected(HWND owner, HMENU menu, UINT position) {
    if (IsMenu(menu) && SelectedPosition(menu) != position) {
        HiliteMenuItem(owner, menu, position, MF_BYPOSITION | MF_HILITE);
    }
}

LRESULT CALLBACK PopupKeys::MenuMessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && current != nullptr &&
        current->Filter(*reinterpret_cast<const MSG*>(lParam))) {
        return TRUE;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool PopupKeys::Filter(const MSG& message) {
    switch (message.message) {
        case WM_KEYDOWN:
            if (message.wParam != VK_RETURN) {
                modifier_ = ChoiceModifier::None;
                return false;
            }
            modifier_ = ChoiceModifierOf(Held(VK_CONTROL), Held(VK_SHIFT));
            // Enter with Ctrl held types no carriage return, and a menu loop that chooses on
            // that character would not see the choice; where the key itself chooses, the popup
            // has gone before the character comes.
            if (Held(VK_CONTROL)) PostMessageW(message.hwnd, WM_CHAR, '\r', message.lParam);
            return false;
        case WM_LBUTTONUP:
            modifier_ = ChoiceModifierOf(Held(VK_CONTROL), Held(VK_SHIFT));
            return false;
        default:
            return false;
    }
}

}  // namespace kov::win32
