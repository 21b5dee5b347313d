#include "odmenu/win32/shell_icons_win32.h"

#include <map>

#include "odmenu/win32/menu_window.h"

namespace kov::win32 {

namespace {

BOOL CALLBACK AddOpenPopup(HWND window, LPARAM popups) {
    if (!IsMenuWindow(window)) return TRUE;
    if (auto* menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)))
        (*reinterpret_cast<std::map<HMENU, HWND>*>(popups))[menu] = window;
    return TRUE;
}

// The open popup windows of this thread, by the menus they show.
std::map<HMENU, HWND> OpenPopups() {
    std::map<HMENU, HWND> popups;
    EnumThreadWindows(GetCurrentThreadId(), &AddOpenPopup, reinterpret_cast<LPARAM>(&popups));
    return popups;
}

}  // namespace

void ShellIcons::Show(HMENU menu, UINT position, const platform::ShellIconTarget& target,
                      int side) {
    ShellIconKey key{target.path, side};
    if (icons_.contains(key)) return;
    waiting_[std::move(key)].emplace(menu, position);
    toLookUp_.push_back({target, side});
}

void ShellIcons::StartLookUps() {
    if (toLookUp_.empty()) return;
    worker_.Request(toLookUp_);
    toLookUp_.clear();
}

const IconPixels* ShellIcons::Find(const ShellIconKey& key) const {
    const auto found = icons_.find(key);
    return found != icons_.end() ? &found->second : nullptr;
}

void ShellIcons::Arrived() {
    auto results = worker_.TakeResults();
    if (results.empty()) return;
    const auto popups = OpenPopups();
    for (auto& result : results) {
        const auto items = waiting_.extract(result.key);
        if (!items.empty() && !result.icon.pixels.empty()) {
            for (const auto& [menu, position] : items.mapped()) {
                const auto popup = popups.find(menu);
                RECT rect{};
                if (popup == popups.end() || !GetMenuItemRect(nullptr, menu, position, &rect))
                    continue;
                MapWindowPoints(HWND_DESKTOP, popup->second, reinterpret_cast<POINT*>(&rect), 2);
                InvalidateRect(popup->second, &rect, FALSE);
            }
        }
        icons_.emplace(std::move(result.key), std::move(result.icon));
    }
}

}  // namespace kov::win32
