#include "odmenu/win32/popup_keys_win32.h"

#include <utility>
#include <vector>

#include "odmenu/win32/menu_window.h"
#include "odmenu/win32/shell_context_menu.h"

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

PopupKeys::PopupKeys(HWND owner, const ItemRecords& records,
                     const std::optional<OwnerDrawSources>& sources)
    : owner_(owner), records_(records), sources_(sources) {
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
    // What the user does in a popup still open after the shell's menu closed settles it.
    if (message.message == WM_KEYDOWN || message.message == WM_LBUTTONDOWN ||
        message.message == WM_RBUTTONDOWN) {
        leftByShellMenu_.reset();
    }
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
        case WM_RBUTTONUP:
            return RightClick(message);
        default:
            return false;
    }
}

bool PopupKeys::RightClick(const MSG& message) {
    // The shell's own menu takes right-clicks on its items as choices.
    if (shellMenuUp_) return false;
    HWND popup = WindowFromPoint(message.pt);
    if (!IsMenuWindow(popup) || !sources_ || !sources_->shellIcons) return false;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    const int position = MenuItemFromPoint(nullptr, menu, message.pt);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STATE;
    if (menu == nullptr || position < 0 ||
        !GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) ||
        (info.fState & MFS_GRAYED) != 0) {
        return false;
    }
    const auto submenu = reinterpret_cast<platform::MenuHandle>(info.hSubMenu);
    auto path = sources_->shellIcons->ContextMenuTarget(
        submenu != 0 ? 0 : static_cast<std::int32_t>(info.wID), submenu);
    if (!path) return false;
    shellMenu_ = ShellMenuRequest{std::move(*path), message.pt,
                                  SelectionPath(menu, static_cast<UINT>(position))};
    PostMessageW(owner_, kShowShellMenu, 0, 0);
    return true;
}

std::vector<UINT> PopupKeys::SelectionPath(HMENU menu, UINT position) const {
    std::vector<UINT> path;
    for (HMENU level = root_; level != nullptr && level != menu;) {
        const auto selected = SelectedPosition(level);
        if (!selected) return {position};
        path.push_back(static_cast<UINT>(*selected));
        level = GetSubMenu(level, static_cast<int>(*selected));
    }
    path.push_back(position);
    return path;
}

void PopupKeys::ShowShellMenu() {
    if (!shellMenu_) return;
    auto request = std::move(*shellMenu_);
    shellMenu_.reset();
    // A file deleted since the popup opened offers nothing: the popup stays as it is.
    const auto menu = ShellContextMenu::For(owner_, request.path);
    if (!menu) return;
    shellMenuUp_ = true;
    const bool chosen = menu->ShowAndRun(owner_, request.at);
    shellMenuUp_ = false;
    if (chosen) {
        EndMenu();
        return;
    }
    // Windows keeps the popup under a menu shown with TPM_RECURSE; a system that closes it with
    // the shell's menu ends the popup with nothing chosen before any other input comes.
    leftByShellMenu_ = std::move(request.selection);
}

bool PopupKeys::TakePopUpAgain() {
    if (!leftByShellMenu_) return false;
    restore_ = std::move(*leftByShellMenu_);
    restored_ = 0;
    leftByShellMenu_.reset();
    return true;
}

void PopupKeys::PopupOpens(HMENU menu) {
    if (rootPending_) root_ = menu;
    rootPending_ = false;
}

void PopupKeys::Idle(HWND popup) {
    if (restored_ >= restore_.size()) return;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    HMENU expected = root_;
    for (std::size_t level = 0; level < restored_ && expected != nullptr; ++level) {
        expected = GetSubMenu(expected, static_cast<int>(restore_[level]));
    }
    if (menu == nullptr || menu != expected) return;
    const UINT position = restore_[restored_++];
    HiliteMenuItem(owner_, menu, position, MF_BYPOSITION | MF_HILITE);
    if (restored_ < restore_.size()) PostMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);
}

}  // namespace kov::win32
