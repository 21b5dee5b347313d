#include "platform/win32/window_subclass.h"

#include <algorithm>
#include <vector>

namespace kov::win32 {

namespace {

struct Link {
    HWND window;
    WNDPROC procedure;
    WNDPROC next;
};

// One user-interface thread and a handful of links: a list is enough.
std::vector<Link> links;

auto FindLink(HWND window, WNDPROC procedure) {
    return std::ranges::find_if(links, [&](const Link& link) {
        return link.window == window && link.procedure == procedure;
    });
}

}  // namespace

bool AddWindowProcedure(HWND window, WNDPROC procedure) {
    if (FindLink(window, procedure) != links.end()) return true;
    const auto next = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    if (next == nullptr) return false;
    links.push_back({window, procedure, next});
    return true;
}

void RemoveWindowProcedure(HWND window, WNDPROC procedure) {
    const auto link = FindLink(window, procedure);
    if (link == links.end()) return;
    const auto above = std::ranges::find_if(links, [&](const Link& other) {
        return other.window == window && other.next == procedure;
    });
    if (above != links.end()) {
        above->next = link->next;
    } else if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->next));
    } else {
        return;  // under a procedure put on elsewhere, it has to stay and pass everything on
    }
    links.erase(link);
}

LRESULT CallNextWindowProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    const auto link = FindLink(window, procedure);
    if (link == links.end()) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = CallWindowProcW(link->next, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        std::erase_if(links, [&](const Link& other) { return other.window == window; });
    }
    return result;
}

}  // namespace kov::win32
