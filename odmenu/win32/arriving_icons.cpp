#include "odmenu/win32/arriving_icons.h"

#include <utility>

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

void ArrivingIcons::Ask(IconRequest request) {
    if (asked_.insert(request.key).second) toMake_.push_back(std::move(request));
}

void ArrivingIcons::StartLookUps() {
    if (toMake_.empty()) return;
    worker_.Request(toMake_);
    toMake_.clear();
    asked_.clear();
}

void ArrivingIcons::Await(const IconKey& key, HMENU menu, const RECT& rect) {
    waiting_[key].emplace(menu, rect.left, rect.top, rect.right, rect.bottom);
}

std::vector<IconResult> ArrivingIcons::Arrived() {
    auto results = worker_.TakeResults();
    if (results.empty()) return results;
    const auto popups = OpenPopups();
    for (const auto& result : results) {
        const auto items = waiting_.extract(result.key);
        if (items.empty() || result.icon.pixels.empty()) continue;
        for (const auto& [menu, left, top, right, bottom] : items.mapped()) {
            const RECT rect{left, top, right, bottom};
            if (const auto popup = popups.find(menu); popup != popups.end())
                InvalidateRect(popup->second, &rect, FALSE);
        }
    }
    return results;
}

}  // namespace kov::win32
